// SPDX-License-Identifier: MIT
// Any text as a stored Target Date, in several locales: reading it never
// fails, and a date read is written in the short form as a text that reads
// back as the same date.

#include "fuzz_support.h"
#include "platform/locale_date_forms.h"

#include <QLocale>

#include <string>
#include <vector>

namespace {

const std::vector<varnholt::PatternDateForms>& allForms()
{
    static const std::vector<varnholt::PatternDateForms> forms = [] {
        std::vector<varnholt::PatternDateForms> made;
        for (const char* name : {"C", "en_US", "en_GB", "de_DE", "fr_FR", "hu_HU", "bg_BG", "ja_JP", "zh_CN", "ko_KR",
                                 "ar_EG", "fa_IR", "hi_IN", "th_TH", "he_IL", "sv_SE", "nl_NL", "pl_PL"})
            made.push_back(varnholt::localeDateForms(QLocale(QString::fromLatin1(name))));
        return made;
    }();
    return forms;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using varnholt::fuzz::require;
    if (size == 0)
        return 0;
    const varnholt::PatternDateForms& forms = allForms()[data[0] % allForms().size()];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto date = forms.parse(text);
    if (!date)
        return 0;
    require(date->ok() && date->year() >= std::chrono::year{1} && date->year() <= std::chrono::year{9999},
            "a date read is a valid calendar date");
    require(forms.parse(forms.shortText(*date)) == date, "short text round trip");
    require(!forms.longText(*date).empty(), "the long form is never empty");
    return 0;
}
