#include "foundation/CElementLabel.h"

CElementLabel::CElementLabel() = default;
CElementLabel::CElementLabel(const CElementLabel& other) = default;
CElementLabel& CElementLabel::operator=(const CElementLabel& other) = default;
CElementLabel::~CElementLabel() = default;
