#pragma once

#include <QFont>
#include <QPrinter>

class QPlainTextEdit;
class QWidget;

namespace varnel::app {

// The print link of the report area: Letter paper, 12.7 mm margins, 6.35 mm kept for header
// and footer, and the report's font once its size has been chosen.
class ReportPrinter {
public:
    explicit ReportPrinter(QPlainTextEdit* report);

    void SetFont(const QFont& font) { font_ = font; }
    const QFont& Font() const { return font_; }
    QPrinter& Printer() { return printer_; }

    // The page-setup dialog with its print and preview buttons; errors are swallowed.
    void PageSetup(QWidget* owner);
    void Print(QPrinter* printer) const;

private:
    QPlainTextEdit* report_;
    QPrinter printer_;
    QFont font_;
};

}  // namespace varnel::app
