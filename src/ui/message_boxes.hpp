#pragma once

#include <QString>

#include "reports/command_dispatch.hpp"
#include "reports/report_sink.hpp"

class QWidget;

namespace varnel::ui {

inline const QString kProgramTitle = QStringLiteral("Varnel电脑易经算命软件");

// The system's message box: caption "提示", information icon, one OK button, modal.
class MessageBoxNotifier : public Notifier {
public:
    explicit MessageBoxNotifier(QWidget* owner) : owner_(owner) {}
    void ShowNotice(std::string_view text) override;

private:
    QWidget* owner_;
};

// The standard error box for store failures and conversion errors.
class MessageBoxErrors : public ErrorReporter {
public:
    explicit MessageBoxErrors(QWidget* owner) : owner_(owner) {}
    void ShowError(std::string_view message) override;

private:
    QWidget* owner_;
};

QString ToQString(std::string_view utf8);

}  // namespace varnel::ui
