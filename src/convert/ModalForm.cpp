#include "convert/ModalForm.h"

namespace tavor {

namespace {

// Hands the always-on-top state back even when the dialog's run ends by an exception.
class StayOnTopHandOver {
public:
    StayOnTopHandOver(Platform& platform, FormId dialog) : platform_(platform), dialog_(dialog) {
        platform_.setStayOnTop(FormId::Main, false);
        platform_.setStayOnTop(dialog_, true);
    }
    ~StayOnTopHandOver() {
        platform_.setStayOnTop(dialog_, false);
        platform_.setStayOnTop(FormId::Main, true);
    }
    StayOnTopHandOver(const StayOnTopHandOver&) = delete;
    StayOnTopHandOver& operator=(const StayOnTopHandOver&) = delete;

private:
    Platform& platform_;
    FormId dialog_;
};

}  // namespace

ModalResult RunModalOnTop(Platform& platform, FormId dialog) {
    const StayOnTopHandOver handOver(platform, dialog);
    return platform.runModal(dialog);
}

}  // namespace tavor
