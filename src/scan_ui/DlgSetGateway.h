#pragma once

#include "AddressDialog.h"

// The default gateway given to every selected unit: a host address (first octet 1 to 223, not 127).
class DlgSetGateway : public AddressDialog
{
    Q_OBJECT

public:
    explicit DlgSetGateway(const UserMessages& messages, QWidget* parent = nullptr);
};
