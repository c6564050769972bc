#include "app/cli/CliPdf.h"

#include <QPrinter>

#include "ui/common/MarkFont.h"
#include "ui/output/PrintJob.h"
#include "ui/shell/Program.h"

namespace moxlet::cli {

std::optional<QPageSize::PageSizeId> paperNamed(const std::string& name)
{
    if (name.empty()) return ui::localePaper();
    if (name == "a4") return QPageSize::A4;
    if (name == "letter") return QPageSize::Letter;
    return std::nullopt;
}

PdfApplication::PdfApplication()
{
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "moxlet-cli";
        static char* argv[] = {name, nullptr};
        app_.emplace(argc, argv);
    }
    ui::MarkFont::ensureLoaded(ui::installDataDir());
}

void setUpPdf(QPrinter& printer, const std::filesystem::path& file, QPageSize::PageSizeId paper)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(paper));
    printer.setOutputFileName(QString::fromStdString(file.string()));
}

}  // namespace moxlet::cli
