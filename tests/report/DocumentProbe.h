#pragma once

// Looks into prepared pages the way a reader of the printout would: which texts are
// on a page, and where.

#include "report/ReportDocument.h"

#include <QStringList>
#include <vector>

namespace kelvora::test {

struct PlacedText
{
    int page = -1;
    const report::DisplayItem* item = nullptr;
    explicit operator bool() const { return item != nullptr; }
};

inline QStringList pageTexts(const report::ReportDocument& document, int page)
{
    QStringList texts;
    for (const report::DisplayItem& item : document.pages[size_t(page)].items) {
        if (item.kind == report::ItemKind::Text && !item.continuation)
            texts.append(item.text);
    }
    return texts;
}

inline std::vector<PlacedText> findTexts(const report::ReportDocument& document, const QString& text)
{
    std::vector<PlacedText> found;
    for (int p = 0; p < document.pageCount(); ++p) {
        for (const report::DisplayItem& item : document.pages[size_t(p)].items) {
            if (item.kind == report::ItemKind::Text && !item.continuation && item.text == text)
                found.push_back({p, &item});
        }
    }
    return found;
}

inline PlacedText findText(const report::ReportDocument& document, const QString& text)
{
    const auto all = findTexts(document, text);
    return all.empty() ? PlacedText() : all.front();
}

} // namespace kelvora::test
