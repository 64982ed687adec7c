#include "accessiblenames.h"

#include "appearance.h"
#include "form.h"

#include <algorithm>
#include <optional>

namespace {
struct Area {
    int left, top, right, bottom;
};

Area areaOf(const Control &control)
{
    const int left = control.left();
    const int top = control.topTwips();
    return {left, top, left + control.width(), top + control.height()};
}

// One's middle lies level with the other: rows that merely touch do not count.
bool sameRow(const Area &a, const Area &b)
{
    const auto levelWith = [](const Area &area, int y) { return area.top <= y && y < area.bottom; };
    return levelWith(a, (b.top + b.bottom) / 2) || levelWith(b, (a.top + a.bottom) / 2);
}

bool sameColumn(const Area &a, const Area &b)
{
    return a.left < b.right && b.left < a.right;
}

// How far a candidate lies from the control it may describe; none when it cannot describe it.
using Distance = std::optional<int> (*)(const Area &candidate, const Area &target);

// The captioned control of that kind, beside the target in its container and
// on its tab page, at the least distance; the first in the table on a tie.
const Control *nearest(const Form &form, const Control &target, Kind kind, bool hiddenToo, Distance distance)
{
    const Control *found = nullptr;
    int foundDistance = 0;
    const Area targetArea = areaOf(target);
    for (const auto &item : form.controls()) {
        const Control &candidate = *item;
        if (&candidate == &target || candidate.kind() != kind || candidate.text().empty()
            || candidate.container() != target.container() || candidate.page() != target.page()
            || (!hiddenToo && !candidate.isVisible()))
            continue;
        const std::optional<int> d = distance(areaOf(candidate), targetArea);
        if (d && (!found || *d < foundDistance)) {
            found = &candidate;
            foundDistance = *d;
        }
    }
    return found;
}

std::optional<int> leftOnItsRow(const Area &candidate, const Area &target)
{
    if (!sameRow(candidate, target) || candidate.left >= target.left)
        return std::nullopt;
    return std::max(0, target.left - candidate.right);
}

// A caption works as a heading only right above, no further than one row of the target's height.
std::optional<int> rightAbove(const Area &candidate, const Area &target)
{
    const int gap = target.top - candidate.bottom;
    if (!sameColumn(candidate, target) || gap < 0 || gap > target.bottom - target.top)
        return std::nullopt;
    return gap;
}

// Above or to the left, not below the control's top once past its left edge.
std::optional<int> aboveOrLeft(const Area &candidate, const Area &target)
{
    const bool before = candidate.top < target.bottom && candidate.left < target.right;
    if (!before || (candidate.top > target.top && candidate.right > target.left))
        return std::nullopt;
    return std::max(0, target.left - candidate.right) + std::max(0, target.top - candidate.bottom);
}

QString nameOrFallback(const Form &form, const Control &control, const Control *describer)
{
    if (describer)
        return withoutAccessKey(describer->text());
    return control.toolTip().empty() ? windowNameOf(form) : qText(control.toolTip());
}
} // namespace

QString withoutAccessKey(const std::string &caption)
{
    const QString text = qText(caption);
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && ++i == text.size())
            break;
        plain += text[i];
    }
    return plain;
}

// The nearest label above the box or to its left. A label hidden at design
// time prompts for nothing: a prompt is on show while the user types.
QString promptOf(const Form &form, const Control &input)
{
    return nameOrFallback(form, input, nearest(form, input, Kind::Label, false, aboveOrLeft));
}

// The nearest label to its left on its row; else a label right above it; else
// the nearest button to its left on its row, such as "Volume in cm cubi =",
// which computes it. Labels hidden at design time count: some windows show
// the unit beside a result only together with the result.
QString captionOf(const Form &form, const Control &resultLabel)
{
    const Control *describer = nearest(form, resultLabel, Kind::Label, true, leftOnItsRow);
    if (!describer)
        describer = nearest(form, resultLabel, Kind::Label, true, rightAbove);
    if (!describer)
        describer = nearest(form, resultLabel, Kind::CommandButton, true, leftOnItsRow);
    return nameOrFallback(form, resultLabel, describer);
}

QString windowNameOf(const Form &form)
{
    if (!form.caption().empty())
        return qText(form.caption());
    for (const auto &control : form.controls()) {
        if (control->kind() == Kind::Label && !control->text().empty())
            return withoutAccessKey(control->text());
    }
    return qText(form.name());
}
