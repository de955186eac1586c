#include "foundation/CElementCheckBox.h"

CElementCheckBox::CElementCheckBox() = default;
CElementCheckBox::CElementCheckBox(const CElementCheckBox& other) = default;
CElementCheckBox& CElementCheckBox::operator=(const CElementCheckBox& other) = default;
CElementCheckBox::~CElementCheckBox() = default;
