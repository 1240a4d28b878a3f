// frmMain: the program's start-up window. Its handlers are spread over
// files by topic:
//   frm_main_layout.cpp       the controls: names, captions, places, design
//                             fonts, tab order
//   frm_main_startup.cpp      the constructor, Form_Load, InitializeControls,
//                             colours, font family, centring on the screen
//   frm_main_controls.cpp     All/None, method controls, focus rules, Enter
//                             in the year box and on a command button, Clear,
//                             Copy, Quit, closing, the year check
//   frm_main_run.cpp          the calculation run and the output box
//   frm_main_settings.cpp     the settings file: its path, the restore at
//                             start-up, Save settings with its pop-up
//   frm_main_help.cpp         Help in the text viewer, the two link labels
//                             and their tool tips
//   frm_main_display_all.cpp  Display all in the grid window
//   frm_main_year_views.cpp   the views of the year: the moon list, the wheel,
//                             the solar terms
//   frm_main_menu.cpp         the menu bar above the controls, About
//   frm_main_zone.cpp         the zones of the time zone database: the TZ
//                             box's "Other zone..." entry, the chooser, the
//                             zone every view uses, the options kept in
//                             the user's configuration
//   frm_main_export.cpp       File > Export: the export dialog
// What only this window uses, without Qt:
//   settings_file*.cpp        the settings file's records, read and saved
//   settings_location.cpp     where the settings file lives
//   program_options.cpp       the window program's own arguments
//   link_tool_tips.cpp        the link labels' tool tips
//   about_kalvest.cpp         the text of Help > About Kalvest
// and with Qt window_preferences.cpp, what the window keeps in QSettings.
// The handlers compute through the run layer (app/run: PlanRun,
// ComputeLine, the display-all texts, the year check, the zone list) as
// every other front end does.
// The constructor connects the handlers of the controls file
// (ConnectHandlers), then the commands of the settings, help and
// display-all files (ConnectSecondaryCommands, in the help file), then the
// views of the year (CreateYearViews), then the menu bar (CreateMenuBar),
// which sizes the window: the controls keep their designed places in the
// client area ClientArea, and the window is as much taller as the menu
// bar is high.
// Controls and fields are public: the handlers of the other windows and the
// tests read them as the designer made them.
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "datetime/date_time_text.h"
#include "datetime/time_zone.h"
#include "run/zone_list.h"
#include "main_window/settings_file.h"
#include "outside/dantrow.h"
#include "run/calculation_run.h"
#include "run/event_names.h"
#include "run/output_text.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kalvest {

class frmAll;
class frmExport;
class frmMoon;
class frmPopUp;
class frmTerms;
class frmView;
class frmWheel;
class frmZoneChooser;
struct ExportPlan;
struct ZoneCatalogue;
struct WindowLook;
class WebPageLauncher;

class frmMain : public QWidget {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The start-up sequence; shows the window.
    void Form_Load();

    // --- The menu bar and the client area under it ---
    QMenuBar* mnuBar = nullptr;
    // Holds every control at its designed place; 8595 by 8370 twips.
    QWidget* ClientArea = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuCalculate = nullptr;
    QAction* mnuExport = nullptr;        // Ctrl+E
    QAction* mnuSaveSettings = nullptr;
    QAction* mnuQuit = nullptr;          // Ctrl+Q
    QMenu* mnuView = nullptr;
    QAction* mnuDisplayAll = nullptr;
    QAction* mnuTerms = nullptr;         // Ctrl+T
    QAction* mnuCopy = nullptr;
    QAction* mnuClear = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuOtherZone = nullptr;     // the zone chooser
    QAction* mnuSeconds = nullptr;       // times to the second
    QAction* mnuPrecise = nullptr;       // precise equinoxes and solstices
    std::array<QAction*, 4> mnuAllOrNone{};  // as cmdAllOrNoneKalvest, by index
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpText = nullptr;      // F1
    QAction* mnuManual = nullptr;
    QAction* mnuSite = nullptr;
    QAction* mnuAbout = nullptr;

    // --- Controls, in the window's control order ---
    QLabel* lblYear = nullptr;
    QLineEdit* txbYear = nullptr;
    QLabel* lblCalendar = nullptr;
    QComboBox* cboCalendar = nullptr;
    QLabel* lblTimezone = nullptr;
    QComboBox* cboTimezone = nullptr;
    QGroupBox* Frame1 = nullptr;
    QCheckBox* chkVE = nullptr;
    QCheckBox* chkSS = nullptr;
    QCheckBox* chkAE = nullptr;
    QCheckBox* chkWS = nullptr;
    QGroupBox* Frame2 = nullptr;
    QCheckBox* chkImbolc = nullptr;
    QCheckBox* chkBeltane = nullptr;
    QCheckBox* chkLughnassad = nullptr;
    QCheckBox* chkSamhain = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* chkMeanSun = nullptr;
    QCheckBox* chkTrueSun = nullptr;
    // One control array: every button is named cmdAllOrNoneKalvest and
    // carries its index in the property "Index". Indexes 0 and 1 sit in
    // Frame1, 2 and 3 in Frame2; 0 and 2 are the "All" buttons.
    std::array<QPushButton*, 4> cmdAllOrNoneKalvest{};
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdDisplayAll = nullptr;
    QRadioButton* optNH = nullptr;
    QRadioButton* optSH = nullptr;
    QCheckBox* chkIncludeWeekday = nullptr;
    QPushButton* cmdSaveSettings = nullptr;
    QPlainTextEdit* txbOutput = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdCopyToClipboard = nullptr;
    QPushButton* cmdOrvanthSoftware = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdQuit = nullptr;
    QLabel* lblNotice = nullptr;
    QLabel* lblOrvanthSystems = nullptr;
    QLabel* lblURL = nullptr;
    QLabel* lblOnlineUserManual = nullptr;

    // --- Window fields ---
    bool blnStartupCompleted = false;
    std::string strProgramTextFile;
    std::string SettingsPath;  // the settings file, set at start-up
    std::int32_t Year = 0;     // the last year the check let through (or rejected as out of range)
    EventNameTable EventNames;
    std::int16_t CalendarCode = kCalendarGregorian;
    std::int16_t ZoneMinutes = 0;
    EuroDate EuroDateRecord{};  // the one date record every run reuses
    // What txbOutput holds, with the CR LF line ends the program writes.
    OutputText Output;

    // --- Secondary windows, each made at its first use ---
    std::unique_ptr<frmAll> frmAllForm;
    QPointer<frmView> frmViewForm;  // deletes itself when its close box unloads it
    frmPopUp* frmPopUpForm = nullptr;
    // Opens the links' pages without making the window wait (a child of
    // the window, made with the links).
    WebPageLauncher* LinkPages = nullptr;
    frmAll& AllWindow();
    frmPopUp& PopUpWindow();

    // --- Views of the year, each a window of its own (frm_main_year_views.cpp) ---
    // Each view is an entry of this menu with its shortcut, which works
    // anywhere in the window; the output box's context menu lists the
    // entries under the toolkit's own. No control of the window moves.
    QMenu* mnuYearViews = nullptr;
    QAction* mnuMoonList = nullptr;  // Ctrl+M
    std::unique_ptr<frmMoon> frmMoonForm;
    frmMoon& MoonWindow();
    QAction* mnuWheel = nullptr;     // Ctrl+W
    std::unique_ptr<frmWheel> frmWheelForm;
    frmWheel& WheelWindow();
    std::unique_ptr<frmTerms> frmTermsForm;
    frmTerms& TermsWindow();
    // The solar terms of the typed year in the window's calendar and zone.
    void mnuTerms_Click();
    // The output box's context menu: the toolkit's entries, then the views.
    std::unique_ptr<QMenu> OutputContextMenu();
    // The moon list of the typed year in the window's calendar and zone;
    // a bad year gets the year check's message and opens nothing.
    void mnuMoonList_Click();
    // The wheel of the year of the typed year in the window's calendar,
    // zone and hemisphere; a bad year gets the year check's message and
    // opens nothing.
    void mnuWheel_Click();

    // --- Zones of the time zone database (frm_main_zone.cpp) ---
    // The zone the TZ box names while one of the database is chosen
    // ("Europe/Dublin", or "local" for the system's own); null while the
    // box holds one of its fixed offsets.
    std::shared_ptr<const TimeZone> NamedZone;
    std::string NamedZoneName;
    // The TZ box's entries after the 49 offsets: the chosen zone's name
    // (only while one is chosen), then "Other zone...", always last.
    static constexpr int kNamedZoneIndex = 49;
    int OtherZoneIndex() const;
    // Chooses the zone `name` of the database (or "local"): the TZ box
    // shows it and every view uses it. False, with nothing changed, for a
    // name the database does not know; throws ZoneDatabaseError when the
    // database cannot be read.
    bool SelectNamedZone(const std::string& name);
    // Chooses `zone` under `name`, already made (kalvest --tz).
    void UseNamedZone(std::unique_ptr<TimeZone> zone, const std::string& name);
    // Back to the TZ box's fixed offset `index` (0..48).
    void SelectFixedZone(int index);
    // The zone of every view: the named zone, or the box's fixed offset.
    // Shared, so that a view that computes again later (the wheel's rings,
    // the terms' methods) keeps the zone it was opened in.
    std::shared_ptr<const TimeZone> ViewZone() const;
    // How titles name it: "Europe/Dublin", "local time", "GMT+05:30".
    std::string ViewZoneName() const;
    // Options > Time zone... and the TZ box's "Other zone...": the chooser;
    // a zone picked there is kept for the next start.
    void mnuOtherZone_Click();
    // Asks the chooser for a zone; the empty text when the user cancels.
    // A dialog unless a test replaces it.
    std::function<std::string(const ZoneCatalogue& catalogue)> ChooseZone;
    // The zones of the database for the chooser, read at its first use.
    const ZoneCatalogue* Zones();
    // The options of the Options menu as a run reads them.
    bool TimesToTheSecond() const;
    bool PreciseInstants() const;
    TimePrecision ViewPrecision() const;

    // --- Export (frm_main_export.cpp) ---
    std::unique_ptr<frmExport> frmExportForm;
    frmExport& ExportWindow();
    // File > Export...: the dialog for the typed year; a bad year gets the
    // year check's message and opens nothing. `terms_only` ticks only the
    // solar terms (the solar-terms window's Export).
    void mnuExport_Click(bool terms_only = false);
    // What an export of the window's choices starts from: its events,
    // methods, calendar, weekday and options.
    ExportPlan ExportBase() const;
    // The ticked events and methods, the weekday box and the calendar list,
    // as a run reads them (its year and zone left at 0).
    RunSelection SelectionOfControls() const;

    // --- Menu commands (frm_main_menu.cpp) ---
    void mnuAbout_Click();

    // --- Handlers ---
    void cmdAllOrNoneKalvest_Click(int Index);
    void chkImbolc_Click();
    void chkBeltane_Click();
    void chkLughnassad_Click();
    void chkSamhain_Click();
    void txbYear_KeyUp(int KeyCode, int Shift);
    void cboCalendar_Click();
    void cboTimezone_Click();
    void optNH_Click();
    void optSH_Click();
    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdCopyToClipboard_Click();
    void cmdQuit_Click();
    void cmdSaveSettings_Click();
    void cmdHelp_Click();
    void lblOrvanthSystems_Click();
    void lblOnlineUserManual_Click();
    void cmdDisplayAll_Click();

    // --- Window routines ---
    void InitializeControls();
    void UpdateMethodControls();
    // True when the year box is rejected (the user has been told and the
    // box holds the current year again); false stores the year in Year.
    bool YearInputInvalid();
    void CopyOutputToClipboard();
    // Writes the settings file; the empty string on success, else the
    // system's description of the failure.
    std::string SaveSettings();
    // Applies the settings file to the controls (start-up only).
    void LoadSettings();

    // A box counts as ticked only when checked; a grey (indeterminate) box
    // that a settings file restored counts as neither ticked nor clear.
    static bool IsChecked(const QCheckBox* box);
    static bool IsUnchecked(const QCheckBox* box);

    // txbOutput's text: the CR LF text is the truth, the box shows it.
    void SetOutputText(const std::string& text);
    void ShowOutput();

    // Start-up helpers that visit the controls in the window's control
    // order; they change only the kinds the property belongs to.
    static void SetControlsForeColor(frmMain* window, const QColor& colour);
    static void SetControlsBackColor(frmMain* window, const QColor& colour);
    static void SetControlsFontName(frmMain* window, const QString& family,
                                    bool include_text_boxes, bool include_buttons);

    // Ends the whole program at once: by default leaves the event loop
    // without closing the other windows. Tests replace it to see that the
    // program would end.
    std::function<void()> EndProgram;

    // Every control in the window's control order.
    const std::vector<QWidget*>& Controls() const { return controls_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateTopRow();
    void CreateEquinoxFrame();
    void CreateCrossQuarterFrame();
    void CreateMiddleRow();
    void CreateBottomRow();
    void SetTabOrder();
    void ConnectHandlers();
    void CentreOnScreen();
    // Joins of the settings file to start-up (frm_main_settings.cpp).
    void InitSettingsPath();
    void RestoreSavedSettings();
    void ConnectSecondaryCommands();
    void CreateYearViews();
    void CreateMenuBar();
    // The client area under the menu bar, and the window around both.
    void PlaceClientArea();
    // Connects the TZ box's extra entries and restores the kept zone and
    // options (frm_main_zone.cpp).
    void ConnectZoneChoice();
    void AddOtherZoneEntry();
    // Forgets the named zone and takes its entry out of the box.
    void DropNamedZone();
    void RestorePreferences();
    void cboTimezone_Activated(int index);
    // The TZ box's entry before the last choice, for a cancelled chooser.
    int last_zone_index_ = 24;
    std::unique_ptr<ZoneCatalogue> zones_;
    // The main window's colours and fonts for the windows of the views.
    WindowLook YearViewLook() const;
    void SetLinkToolTips();
    // The check boxes in the order of the settings file.
    std::array<QCheckBox*, kSettingsCheckBoxCount> SavedCheckBoxes() const;

    // Registers a control created by the layout, with its tab index (-1:
    // takes no focus).
    template <typename Control>
    Control* Add(Control* control, const char* name, int left, int top, int width,
                 int height, int tab_index);

    std::vector<QWidget*> controls_;
    std::vector<std::pair<int, QWidget*>> tab_indexes_;
    // Enter went down in the year box (and has not come up yet).
    bool enter_pressed_in_year_ = false;
};

}  // namespace kalvest
