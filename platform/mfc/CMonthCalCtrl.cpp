// The month calendar object's run-time class.
#include "platform/mfc/CMonthCalCtrl.h"

IMPLEMENT_DYNAMIC(CMonthCalCtrl, CWnd)
