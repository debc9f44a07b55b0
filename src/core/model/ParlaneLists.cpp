#include "core/model/ParlaneLists.h"

#include <cstdio>

namespace qtr {

const std::vector<std::string>& ParlaneVhfFrequencies()
{
    static const std::vector<std::string> list{
        "151.62500", "151.95500", "154.57000", "154.60000", "151.70000", "151.76000", "151.82000",
        "151.88000", "151.94000", "151.51250", "151.65500", "151.68500", "151.71500", "151.74500",
        "151.77500", "151.86500", "151.89500", "151.92500", "152.70000", "154.49000", "154.51500",
        "154.52750", "154.54000", "154.60000", "154.65500", "158.40000", "158.40750"};
    return list;
}

const std::vector<std::string>& ParlaneUhfFrequencies()
{
    static const std::vector<std::string> list{
        "464.50000", "464.55000", "467.76250", "467.81250", "467.85000", "467.87500", "467.90000",
        "467.92500", "461.03750", "461.06250", "461.08750", "461.11250", "461.13750", "461.16250",
        "461.18750", "461.21250", "461.23750", "461.26250", "461.28750", "461.31250", "461.33750",
        "461.36250", "462.76250", "462.78750", "462.81250", "462.83750", "462.86250", "462.88750",
        "462.91250", "464.48750", "464.51250", "464.53750", "464.56250", "466.03750", "466.06250",
        "466.08750", "466.11250", "466.13750", "466.16250", "466.18750", "466.21250", "466.23750",
        "466.26250", "466.28750", "466.31250", "466.33750", "466.36250", "467.78750", "467.83750",
        "467.86250", "467.88750", "467.91250", "469.48750", "469.51250", "469.53750", "469.56250"};
    return list;
}

const std::vector<std::string>* ParlaneFrequenciesFor(std::uint8_t typeByte)
{
    switch (typeByte >> 4) {
    case 8:
        return &ParlaneUhfFrequencies();
    case 1:
        return &ParlaneVhfFrequencies();
    default:
        return nullptr;
    }
}

bool IsRestrictedPowerFrequency(const std::string& plainFrequencyText)
{
    return plainFrequencyText == "151.82000" || plainFrequencyText == "151.88000" ||
           plainFrequencyText == "151.94000";
}

std::string NumberedEntry(int number, const std::string& text)
{
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "(%02d) ", number);
    return prefix + text;
}

std::string StripEntryNumber(const std::string& decorated)
{
    const auto blank = decorated.find(' ');
    return blank == std::string::npos ? decorated : decorated.substr(blank + 1);
}

} // namespace qtr
