// Owns the program's windows and the ways between them.
#pragma once

#include <QObject>
#include <memory>

namespace dalvo::ui {
class MainWindow;
}

namespace dalvo::app {

class ProgramWindows : public QObject {
    Q_OBJECT
public:
    explicit ProgramWindows(QObject* parent = nullptr);
    ~ProgramWindows() override;

    // The start-up sequence: the main window is built and loaded, then shown.
    void start();

    ui::MainWindow& mainWindow() { return *main_; }

signals:
    // The program ends at once: no window's close handler runs.
    void programEnded();

private:
    void endProgram();

    std::unique_ptr<ui::MainWindow> main_;
};

}  // namespace dalvo::app
