#pragma once

#include "report/BandBlock.h"
#include "report/ReportDocument.h"
#include "report/ReportInstance.h"
#include "report/RunScope.h"
#include "report/TextMeasurer.h"

#include <QImage>
#include <functional>
#include <vector>

namespace kelvora::report {

class TextTemplate;

// Evaluates a band's objects at the current records and measures them: texts break
// into lines, growing texts push the objects below them down and the band grows with
// them, objects stretched to the band follow its new height.
class BandRenderer
{
public:
    using PictureLoader = std::function<QImage(const QString& file)>;

    BandRenderer(const ReportTemplate& layout, ReportInstance& instance, ReportDocument& document,
                 TextMeasurer& measurer, RunScope& scope, PictureLoader loadPicture);

    BandBlock render(int band);

    // Texts holding [Page] or [TotalPages] are finished once the pages are counted:
    // this gives their text for the page numbers now in the scope.
    QString pageText(int pending) const;
    // The lines of a finished page text in its box.
    QStringList pageTextLines(int pending, const QString& text);

private:
    struct PendingPageText
    {
        const TextTemplate* text = nullptr;
        QString format;
        std::vector<QString> values; // the record parts, evaluated when the band was
        FontSpec font;
        double width = 0;
        bool wordWrap = true;
    };
    struct Work;

    QString evaluateText(const InstanceObject& object, int* pending);
    void addItems(BandBlock& block, const Work& work);
    int textStyle(InstanceObject& object);
    int shapeStyle(InstanceObject& object);

    const ReportTemplate& m_layout;
    ReportInstance& m_instance;
    ReportDocument& m_document;
    TextMeasurer& m_measurer;
    RunScope& m_scope;
    PictureLoader m_loadPicture;
    std::vector<PendingPageText> m_pending;
};

} // namespace kelvora::report
