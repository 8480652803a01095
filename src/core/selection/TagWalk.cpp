#include "core/selection/TagWalk.h"

#include "core/store/Transaction.h"
#include "core/store/View.h"

#include <optional>
#include <vector>

namespace kelvora::tagwalk {

namespace {

int writeTags(View& view, const std::function<std::optional<bool>(int row)>& wanted)
{
    postPending(view);
    const int tag = view.fieldIndex(u"Tag");
    std::vector<std::pair<qint64, bool>> changes;
    for (int row = 0; row < view.rowCount(); ++row) {
        const std::optional<bool> want = wanted(row);
        if (!want)
            continue;
        const QString now = view.textAt(row, tag);
        if (*want ? now != QLatin1String("y") : !now.isEmpty())
            changes.emplace_back(view.recordId(row), *want);
    }
    if (changes.empty())
        return 0;
    Transaction transaction(view.database());
    for (const auto& [record, on] : changes) {
        const int row = view.rowOfRecord(record);
        if (row >= 0)
            view.updateRow(row, u"Tag", on ? Value::text(QStringLiteral("y")) : Value());
    }
    transaction.commit();
    return int(changes.size());
}

} // namespace

void postPending(View& view)
{
    if (view.state() == View::State::Edit || (view.state() == View::State::Insert && view.isModified()))
        view.post();
    else if (view.state() == View::State::Insert)
        view.cancel();
}

HeldDisplay::HeldDisplay(View& view) : m_view(view)
{
    m_view.disableControls();
}

HeldDisplay::~HeldDisplay()
{
    m_view.enableControls();
}

int setTags(View& view, const std::function<bool(int row)>& tagged)
{
    return writeTags(view, [&](int row) { return std::optional<bool>(tagged(row)); });
}

int clearTags(View& view)
{
    return writeTags(view, [](int) { return std::optional<bool>(false); });
}

} // namespace kelvora::tagwalk
