#pragma once

#include <QDialog>
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "ui/message_boxes.hpp"
#include "app/report_area.hpp"
#include "app/report_printer.hpp"
#include "chart/four_pillars.hpp"
#include "reports/birth_input.hpp"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QTabWidget;
class QUrl;

namespace varnel::app {

struct MenuEntry;

// The main window: menu bar, banner with the input panel, tab pages of command buttons,
// the report area with its bottom bar, and the status bar.
class TFrmmain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrmmain(QWidget* parent = nullptr);

    // Runs the command of a menu item or button by name; an unknown or empty name does nothing.
    void RunCommand(std::string_view name);

    // The input panel's values as its controls hold them.
    BirthPanel Panel() const;
    const BirthInput& Input() const { return input_; }
    ReportArea& Report() { return *report_; }
    ReportPrinter& Printer() { return *printer_; }

    // 打开记录 after the file dialog: the file's lines replace the report (GBK, or UTF-8).
    void LoadRecord(const QString& path);

    // 保存测算 / 另存测算: where to save and in which encoding (GBK unless UTF-8 is chosen); an
    // empty path cancels. A file dialog by default.
    struct SaveChoice {
        QString path;
        bool utf8 = false;
    };
    using SaveDialog = std::function<SaveChoice()>;
    void SetSaveDialog(SaveDialog dialog) { askSave_ = std::move(dialog); }
    // 打印结果: asks how to print on the print link's printer; false cancels. The system's print
    // dialog by default.
    using PrintDialog = std::function<bool(QPrinter&)>;
    void SetPrintDialog(PrintDialog dialog) { askPrint_ = std::move(dialog); }

    // Where outside addresses and the help file go; Qt's desktop services by default.
    using UrlOpener = std::function<void(const QUrl&)>;
    void SetUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenuBar();
    QWidget* BuildBanner();
    QWidget* BuildInputPanel();
    QWidget* BuildTabs();
    QWidget* BuildReportColumn();
    void RegisterCommands();
    void Bind(std::string name, std::function<void()> command);

    void NewReading();
    void OpenRecord();
    void SaveReport(bool askName);
    void PrintReport();
    void SetReportFontSize(int index);

    std::map<std::string, std::function<void()>, std::less<>> commands_;
    BirthInput input_;
    FourPillars chart_;
    ui::MessageBoxNotifier notifier_;
    ui::MessageBoxErrors errors_;
    std::unique_ptr<ReportArea> report_;
    std::unique_ptr<ReportPrinter> printer_;
    UrlOpener openUrl_;
    SaveDialog askSave_;
    PrintDialog askPrint_;
    SaveChoice lastSave_;  // the file 保存测算 writes again during this run
    std::unique_ptr<QDialog> support_;
    std::unique_ptr<QDialog> about_;

    QLineEdit* nameA_ = nullptr;
    QLineEdit* nameB_ = nullptr;
    QComboBox* sex_ = nullptr;
    QComboBox* bloodType_ = nullptr;
    QComboBox* calendar_ = nullptr;
    QComboBox* year_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* hour_ = nullptr;
    QComboBox* minute_ = nullptr;
    QComboBox* birthplace_ = nullptr;
    QCheckBox* trueSolarTime_ = nullptr;
    QCheckBox* lateZi_ = nullptr;
    QComboBox* fontSize_ = nullptr;
    bool shownOnce_ = false;
};

// The point size of each item of the font-size list 三号 … 小五号.
int FontSizeOfItem(int index);

}  // namespace varnel::app
