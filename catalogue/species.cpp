#include "catalogue/catalogue.h"

namespace ribi::catalogue {

const std::array<Species, kSpeciesCount>& species()
{
    static constexpr std::array<Species, kSpeciesCount> table{{
        {u"есетра", u"0", u"Есетровите (Acipenseridae) са семейство костни риби."},
        {u"калкан", u"0", u"Калкан (Psetta maxima) са вид лъчеперки от семейство Калканови (Scophthalmidae)."},
        {u"каракуда", u"0", u"Каракудите (Carassius) са род сладководни риби от семейство шаранови."},
        {u"костур", u"1", u"Костурът е разпространен в Европа и Азия."},
        {u"моруна", u"0", u"Моруната (Huso huso) е най-голямата сладководна риба."},
        {u"паламуд", u"1", u"Паламуд (Sarda sarda) - риба от семейство Скумриеви."},
        {u"сардина", u"1", u"Сардина или сардела (Sardina pilchardus) е вид селдова морска риба."},
        {u"сафрид", u"1", u"Сафриди (Trachurus) са род хищни соленоводни пасажни риби от семейство сафридови."},
        {u"скумрия", u"1", u"Скумрия (Scomber scombrus) е морска риба от разред костурови."},
        {u"сом", u"0", u"Сомът (Silurus glanis), още Европейски сом, е сладководна риба, чието тяло е без люспи."},
        {u"сьомга", u"1", u"Сьомгата е несистематична група риби от семейство Пъстървови (Salmonidae)."},
        {u"тон", u"1", u"Рибата тон е една от най-бързо плуващите риби в океана."},
        {u"хамсия", u"1", u"Хамсията (Engraulis encrasicolus) е вид риба от семейство Engraulidae."},
        {u"херинга", u"1", u"Атлантическата херинга (Clupea harengus, също селда) е морска стадна риба от семейство Селдови."},
        {u"цаца", u"1", u"Цацата (Sprattus sprattus) е морска риба от семейство селдови, разпространена в Европа (в Балтийско, Северно и Черно морета)."},
        {u"чига", u"0", u"Чигата (Acipenser ruthenus) е сладководна риба от семейство Есетрови."},
        {u"шаран", u"0", u"Шаранът е типичен представител на костните риби."},
        {u"щука", u"0", u"Щуката (Esox lucius) е едра хищна риба, широко разпространена в нашите води."},
    }};
    return table;
}

const std::array<std::u16string_view, kTypeCount>& typeCaptions()
{
    static constexpr std::array<std::u16string_view, kTypeCount> captions{u"Непасажни", u"Пасажни"};
    return captions;
}

} // namespace ribi::catalogue
