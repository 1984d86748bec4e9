#pragma once

class QAbstractItemModel;
class QWidget;

namespace brelo {

// The tab pages of the window, with every control at its design place and with
// its design contents. Nothing is connected here: the window wires the events.
QWidget *buildOpticsPage(QWidget *parent, char decimalSeparator, QAbstractItemModel *listdiam,
                         QAbstractItemModel *listdimfoy);
QWidget *buildEphemerisPage(QWidget *parent, char decimalSeparator);

} // namespace brelo
