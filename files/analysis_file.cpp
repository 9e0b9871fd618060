#include "files/analysis_file.h"

#include <optional>
#include <vector>

#include "model/number_text.h"

namespace dalvo {

namespace {

class AnalysisLines {
public:
    void add(const char* key, std::optional<double> value)
    {
        text_ += key;
        text_ += ',';
        if (value)
            text_ += formatGeneral(*value, kPeriodNumbers);
        text_ += "\r\n";
    }

    void add(const char* key, const std::vector<double>& values, std::size_t count)
    {
        text_ += key;
        for (std::size_t j = 0; j < count; ++j) {
            text_ += ',';
            if (j < values.size())
                text_ += formatGeneral(values[j], kPeriodNumbers);
        }
        text_ += "\r\n";
    }

    void addText(const char* key, const std::string& text)
    {
        const bool quoted = text.find(',') != std::string::npos;
        text_ += key;
        text_ += quoted ? ",\"" : ",";
        text_ += text;
        text_ += quoted ? "\"\r\n" : "\r\n";
    }

    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

}  // namespace

std::string analysisFileText(const LongTermOutlook& o, const AnalysisSource& source)
{
    const std::size_t classes = static_cast<std::size_t>(o.classes);
    const std::size_t survivals = classes == 0 ? 0 : classes - 1;
    AnalysisLines lines;
    lines.add("classes", static_cast<double>(o.classes));
    lines.add("lambda", o.lambda);
    lines.add("r", o.growthExponent);
    lines.add("period_of_imprimitivity",
              o.period ? std::optional<double>(static_cast<double>(*o.period)) : std::nullopt);
    lines.add("damping_ratio", o.dampingRatio);
    lines.add("oscillation_period", o.oscillationPeriod);
    lines.add("net_reproductive_rate", o.netReproductiveRate);
    lines.add("generation_time", o.generationTime);
    lines.add("stable_distribution", o.stableDistribution, classes);
    lines.add("reproductive_values", o.reproductiveValues, classes);
    lines.add("sensitivity_fecundity", o.sensitivityFecundity, classes);
    lines.add("sensitivity_survival", o.sensitivitySurvival, survivals);
    lines.add("elasticity_fecundity", o.elasticityFecundity, classes);
    lines.add("elasticity_survival", o.elasticitySurvival, survivals);
    lines.addText("title", source.title);
    lines.add("fecundity", source.matrix.fecundity, classes);
    lines.add("survival", source.matrix.survival, survivals);
    lines.add("initial_numbers", source.initial, classes);
    return lines.take();
}

}  // namespace dalvo
