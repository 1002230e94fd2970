#pragma once

// When a change of a list's selection is a Click, in every binding: only
// when it selects a row other than the one the last Click showed. An arrow
// key at the end of the list, or a drag back to the row it started on,
// changes nothing a pupil sees.

#include "form/controls.h"

namespace ribi::form {

class ListClickRule {
public:
    // Whether `selected` (-1: nothing) is new since the last Click.
    bool IsNew(Index selected) const { return selected >= 0 && selected != shown_; }
    // A Click was raised with `selected` selected.
    void Raised(Index selected) { shown_ = selected; }

private:
    Index shown_ = -1;
};

} // namespace ribi::form
