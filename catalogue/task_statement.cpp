#include "catalogue/catalogue.h"

namespace ribi::catalogue {

std::u16string_view taskStatement()
{
    // Placeholder until the full wording lands.
    return u"Формирането на пасаж носи определен предимства и недостатъци за рибата.\r\n";
}

} // namespace ribi::catalogue
