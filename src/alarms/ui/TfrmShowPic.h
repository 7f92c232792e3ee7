#pragma once

#include <QDialog>

namespace horavine {

// The alarm presentation window. It exists from start-up, hidden, so the tick can hand it an
// alarm at any time.
class TfrmShowPic : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmShowPic(QWidget* parent = nullptr);
};

} // namespace horavine
