// frmZoneChooser: picks a zone of the time zone database. A search field
// over the zones' names, cities, countries and abbreviations (the core's
// SearchZones), the matches under it with the system's own zone first,
// OK and Cancel. Up and Down in the search field move through the list,
// Enter takes the selected zone, Escape cancels.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "run/zone_search.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace kalvest {

class frmZoneChooser : public QDialog {
    Q_OBJECT

public:
    // `catalogue` outlives the dialog; `current` (a zone name) is
    // selected at first when the list holds it.
    frmZoneChooser(const ZoneCatalogue& catalogue, const std::string& current,
                   QWidget* parent = nullptr);

    QLabel* lblSearch = nullptr;
    QLineEdit* txbSearch = nullptr;
    QLabel* lblZones = nullptr;
    QListWidget* lstZones = nullptr;
    QLabel* lblCount = nullptr;
    QDialogButtonBox* cmdButtons = nullptr;

    // The selected zone's name; empty when the list is empty.
    std::string ChosenZone() const;

    // The list for the search field's text.
    void txbSearch_Changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const ZoneCatalogue& catalogue_;
    std::vector<std::size_t> shown_;  // catalogue indexes of the list's rows
};

}  // namespace kalvest
