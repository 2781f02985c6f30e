#pragma once

#include "StationPage.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;

// "Message" of an IP master station: whether it starts emergency message paging, what
// starts it (dial operation, external input or both), the zone it pages, how often the
// message repeats, and the contact output interlocked with it and how that output works.
class DlgStnMsg : public StationPage
{
    Q_OBJECT

public:
    enum Field { PagingNo, RepeatCount };
    enum Start { DialOperation, ExternalInput, StartCount };

    DlgStnMsg(const ResourceChain& resources, const UserMessages& messages,
              QWidget* parent = nullptr);

    // Whether the station's model pages messages (IP master stations).
    static bool pagesMessages(const Station& station);

    void setMessagePaging(bool on);
    // As a click that left the start-with box checked (on) or unchecked. At least one box
    // stays checked, and a combination the station's model does not take is put back.
    void clickStart(int which, bool on);
    // Repeats a number of times (limited) or as long as paging is active.
    void chooseRepeat(bool limited);
    // 0 "Busy", 1 "Oneshot".
    void chooseInterlockMode(int index);

protected:
    bool appliesTo(const Station& station) const override;
    void refreshControls() override;

private:
    QCheckBox* messagePaging_;
    std::array<QCheckBox*, StartCount> starts_{};
    QButtonGroup* repeat_;
    QButtonGroup* interlockModes_;
    QLineEdit* pagingNo_ = nullptr;
    QLineEdit* repeatCount_ = nullptr;
    QGroupBox* startWith_;
    QGroupBox* repetition_;
};
