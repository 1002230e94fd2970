#pragma once

#include <string_view>

namespace ribi::selection {

// The fixed parts of the output, each with its trailing blank.
inline constexpr std::u16string_view kSpeciesHeading = u"Посочена е вид риба: ";
inline constexpr std::u16string_view kSpeciesTypeHeading = u"Тя е от типа: ";
inline constexpr std::u16string_view kTypeHeading = u"Посочен тип риба: ";
inline constexpr std::u16string_view kMembersHeading = u"Включва видове: ";
inline constexpr std::u16string_view kLineBreak = u"\r\n";

} // namespace ribi::selection
