#include "window/main_form.h"

#include "catalogue/catalogue.h"

namespace ribi::window {
namespace {

using form::Colour;
using form::ControlKind;
using form::FormDescription;

std::vector<std::u16string_view> Column(std::u16string_view catalogue::Species::*field)
{
    std::vector<std::u16string_view> items;
    for (const auto& row : catalogue::AllSpecies()) items.push_back(row.*field);
    return items;
}

FormDescription Build()
{
    constexpr Colour kWindow{0x00FFC0C0};
    constexpr Colour kLabels{0x0080C0FF};
    constexpr Colour kFrame{0x0080FF80};
    constexpr Colour kOptions{0x000080FF};
    constexpr Colour kNames{0x00808080};
    constexpr Colour kText{0x00000000};
    const auto& captions = catalogue::TypeCaptions();

    using K = ControlKind;
    FormDescription form{
        .name = u"MainForm",
        .title = u"www.velorna.bg  Велорна",
        .clientWidth = 7035,
        .clientHeight = 5175,
        .background = kWindow,
        .foreground = kText,
        .font = {.family = u"Times New Roman", .pointSize = 12, .weight = 400, .charset = 204},
        .controls = {},
    };
    auto& c = form.controls;
    c.push_back({.kind = K::TextBox,
                 .name = u"Text1",
                 .index = 0,
                 .container = u"",
                 .bounds = {120, 2760, 6735, 2295},
                 .text = catalogue::TaskStatement(),
                 .accessibleName = u"Текст на задачата и отговор",
                 .tabStop = true});
    c.push_back({.kind = K::Label,
                 .name = u"Label1",
                 .index = 0,
                 .container = u"",
                 .bounds = {1080, 0, 4575, 375},
                 .hasBackground = true,
                 .background = kLabels,
                 .text = u"Велорна",
                 .centred = true,
                 .accessibleName = u"Велорна"});
    c.push_back({.kind = K::Frame,
                 .name = u"Frame1",
                 .index = 0,
                 .container = u"",
                 .bounds = {240, 600, 3495, 1095},
                 .hasBackground = true,
                 .background = kFrame,
                 .text = u"Тип риби",
                 .accessibleName = u"Тип риби"});
    c.push_back({.kind = K::OptionButton,
                 .name = u"Option1",
                 .index = 0,
                 .container = u"Frame1",
                 .bounds = {120, 300, 3255, 300},
                 .hasBackground = true,
                 .background = kOptions,
                 .text = captions[0],
                 .accessibleName = captions[0],
                 .tabStop = true});
    c.push_back({.kind = K::OptionButton,
                 .name = u"Option1",
                 .index = 1,
                 .container = u"Frame1",
                 .bounds = {120, 600, 3255, 300},
                 .hasBackground = true,
                 .background = kOptions,
                 .text = captions[1],
                 .accessibleName = captions[1],
                 .tabStop = true});
    c.push_back({.kind = K::ListBox,
                 .name = u"List1",
                 .index = 0,
                 .container = u"",
                 .bounds = {4320, 900, 2415, 1485},
                 .hasBackground = true,
                 .background = kNames,
                 .items = Column(&catalogue::Species::name),
                 .accessibleName = u"Име на риба",
                 .tabStop = true});
    c.push_back({.kind = K::ListBox,
                 .name = u"List1",
                 .index = 1,
                 .container = u"",
                 .bounds = {0, 0, 0, 0},
                 .visible = false,
                 .items = Column(&catalogue::Species::typeCode)});
    c.push_back({.kind = K::Label,
                 .name = u"Label1",
                 .index = 1,
                 .container = u"",
                 .bounds = {4320, 600, 2415, 300},
                 .hasBackground = true,
                 .background = kLabels,
                 .text = u"Име на риба",
                 .centred = true,
                 .accessibleName = u"Име на риба",
                 .labelFor = u"List1"});
    c.push_back({.kind = K::ListBox,
                 .name = u"List1",
                 .index = 2,
                 .container = u"",
                 .bounds = {0, 0, 0, 0},
                 .visible = false,
                 .items = Column(&catalogue::Species::description)});
    return form;
}

} // namespace

const form::FormDescription& MainFormDescription()
{
    static const FormDescription form = Build();
    return form;
}

} // namespace ribi::window
