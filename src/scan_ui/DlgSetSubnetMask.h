#pragma once

#include "AddressDialog.h"

// The subnet mask given to every selected unit: ones contiguous from the top, /1 to /30.
class DlgSetSubnetMask : public AddressDialog
{
    Q_OBJECT

public:
    explicit DlgSetSubnetMask(const UserMessages& messages, QWidget* parent = nullptr);
};
