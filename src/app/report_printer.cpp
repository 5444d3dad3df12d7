#include "app/report_printer.hpp"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace varnel::app {

namespace {

constexpr double kMarginMm = 12.7;
constexpr double kHeaderFooterMm = 6.35;

}  // namespace

ReportPrinter::ReportPrinter(QPlainTextEdit* report) : report_(report), printer_(QPrinter::HighResolution) {
    printer_.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                       QMarginsF(kMarginMm, kMarginMm + kHeaderFooterMm, kMarginMm,
                                                 kMarginMm + kHeaderFooterMm),
                                       QPageLayout::Millimeter));
}

void ReportPrinter::Print(QPrinter* printer) const {
    QTextDocument document;
    document.setDefaultFont(font_);
    document.setPlainText(report_->toPlainText());
    document.print(printer);
}

void ReportPrinter::PageSetup(QWidget* owner) {
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("PageSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("打印设置"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("设置纸张和页边距后，可直接打印或预览测算结果。"), &dialog));
    auto* buttons = new QDialogButtonBox(&dialog);
    auto* setup = buttons->addButton(QStringLiteral("页面设置..."), QDialogButtonBox::ActionRole);
    auto* print = buttons->addButton(QStringLiteral("打印..."), QDialogButtonBox::AcceptRole);
    auto* preview = buttons->addButton(QStringLiteral("打印预览..."), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);

    enum class Choice { None, Print, Preview } choice = Choice::None;
    QObject::connect(setup, &QPushButton::clicked, &dialog, [&] {
        QPageSetupDialog pageSetup(&printer_, &dialog);
        pageSetup.exec();
    });
    QObject::connect(print, &QPushButton::clicked, &dialog, [&] { choice = Choice::Print; });
    QObject::connect(preview, &QPushButton::clicked, &dialog, [&] { choice = Choice::Preview; });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return;

    if (choice == Choice::Print) {
        QPrintDialog printDialog(&printer_, owner);
        if (printDialog.exec() == QDialog::Accepted) Print(&printer_);
    } else if (choice == Choice::Preview) {
        QPrintPreviewDialog previewDialog(&printer_, owner);
        QObject::connect(&previewDialog, &QPrintPreviewDialog::paintRequested, &previewDialog,
                         [this](QPrinter* printer) { Print(printer); });
        previewDialog.exec();
    }
}

}  // namespace varnel::app
