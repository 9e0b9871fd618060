#include "app/program_windows.h"

#include <QCoreApplication>

#include "model/module1.h"
#include "ui/main_window/main_window.h"

namespace dalvo::app {

ProgramWindows::ProgramWindows(QObject* parent)
    : QObject(parent), main_(std::make_unique<ui::MainWindow>(Module1::history()))
{
    connect(main_.get(), &ui::MainWindow::programEndRequested, this, &ProgramWindows::endProgram);
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start()
{
    main_->load();
    main_->show();
}

// exit() rather than quit(): quit() would first ask every window to close.
void ProgramWindows::endProgram()
{
    emit programEnded();
    QCoreApplication::exit(0);
}

}  // namespace dalvo::app
