#include "alarms/ui/TfrmShowPic.h"

namespace horavine {

TfrmShowPic::TfrmShowPic(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmShowPic"));
    setModal(true);
}

} // namespace horavine
