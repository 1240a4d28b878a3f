#include "windows/frm_zone_chooser.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvest {

frmZoneChooser::frmZoneChooser(const ZoneCatalogue& catalogue, const std::string& current,
                               QWidget* parent)
    : QDialog(parent), catalogue_(catalogue) {
    setObjectName("frmZoneChooser");
    setWindowTitle(QStringLiteral("Time zone"));
    setAccessibleName(QStringLiteral("Choose a time zone"));

    lblSearch = new QLabel(QStringLiteral("&Search (name, city, country or abbreviation):"), this);
    lblSearch->setObjectName("lblSearch");
    txbSearch = new QLineEdit(this);
    txbSearch->setObjectName("txbSearch");
    txbSearch->setAccessibleName(QStringLiteral("Search the time zones"));
    txbSearch->setPlaceholderText(QStringLiteral("Dublin, Ireland, IST, Europe/..."));
    txbSearch->setClearButtonEnabled(true);
    lblSearch->setBuddy(txbSearch);
    txbSearch->installEventFilter(this);

    lblZones = new QLabel(QStringLiteral("&Zones:"), this);
    lblZones->setObjectName("lblZones");
    lstZones = new QListWidget(this);
    lstZones->setObjectName("lstZones");
    lstZones->setAccessibleName(QStringLiteral("Matching time zones"));
    lblZones->setBuddy(lstZones);
    lblCount = new QLabel(this);
    lblCount->setObjectName("lblCount");

    cmdButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdButtons->setObjectName("cmdButtons");
    cmdButtons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("Use the selected zone"));
    cmdButtons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Keep the zone"));
    connect(cmdButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(cmdButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(txbSearch, &QLineEdit::textChanged, this, &frmZoneChooser::txbSearch_Changed);
    connect(lstZones, &QListWidget::itemActivated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSearch);
    layout->addWidget(txbSearch);
    layout->addWidget(lblZones);
    layout->addWidget(lstZones, 1);
    layout->addWidget(lblCount);
    layout->addWidget(cmdButtons);
    setTabOrder(txbSearch, lstZones);
    resize(560, 460);

    txbSearch_Changed();
    for (int row = 0; row < lstZones->count(); ++row) {
        if (catalogue_.zones[shown_[row]].name == current) lstZones->setCurrentRow(row);
    }
    txbSearch->setFocus();
}

std::string frmZoneChooser::ChosenZone() const {
    const int row = lstZones->currentRow();
    if (row < 0 || row >= static_cast<int>(shown_.size())) return {};
    return catalogue_.zones[shown_[row]].name;
}

void frmZoneChooser::txbSearch_Changed() {
    shown_ = SearchZones(catalogue_, txbSearch->text().toStdString());
    lstZones->clear();
    for (const std::size_t index : shown_) {
        const ZoneChoice& zone = catalogue_.zones[index];
        lstZones->addItem(
            QString::fromStdString(ZoneChoiceText(zone, zone.name == catalogue_.system_zone)));
    }
    if (!shown_.empty()) lstZones->setCurrentRow(0);
    lblCount->setText(shown_.size() == 1 ? QStringLiteral("1 zone")
                                         : QStringLiteral("%1 zones").arg(shown_.size()));
    cmdButtons->button(QDialogButtonBox::Ok)->setEnabled(!shown_.empty());
}

bool frmZoneChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txbSearch && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                // The list moves while the typing goes on.
                QApplication::sendEvent(lstZones, event);
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kalvest
