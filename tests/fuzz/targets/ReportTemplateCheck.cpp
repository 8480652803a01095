#include "FuzzChecks.h"

#include "report/TemplateReader.h"
#include "report/TemplateWriter.h"

namespace kelvora::fuzz {

// A template file as a user may have edited it: one with faults says so and
// gives no layout; one without reads back to the same layout once written.
void checkReportTemplate(const QByteArray& input)
{
    const report::TemplateReader::Result first = report::TemplateReader::read(input, QStringLiteral("Fuzz.xml"));
    if (!first.layout) {
        KELVORA_FUZZ_REQUIRE("report_template", !first.errors.isEmpty(), QString::fromUtf8(input));
        return;
    }
    const QByteArray written = report::TemplateWriter::write(*first.layout);
    const report::TemplateReader::Result second = report::TemplateReader::read(written, QStringLiteral("Fuzz.xml"));
    KELVORA_FUZZ_REQUIRE("report_template", second.layout.has_value(),
                         second.errors.join(QLatin1Char('\n')) + QStringLiteral("\n") + QString::fromUtf8(written));
    const QByteArray again = report::TemplateWriter::write(*second.layout);
    KELVORA_FUZZ_REQUIRE("report_template", again == written,
                         QString::fromUtf8(written) + QStringLiteral("\nthen\n") + QString::fromUtf8(again));
}

} // namespace kelvora::fuzz
