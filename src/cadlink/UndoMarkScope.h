#pragma once

#include <memory>

#include "cadlink/Document.h"

namespace tavor::cad {

// Brackets a command's writes to the drawing in one undo step of the CAD: starts the mark
// when made and ends it when the scope ends, by return, error or stop alike. An error of the
// end mark itself is dropped: it must not hide the error that may be ending the scope.
class UndoMarkScope {
public:
    explicit UndoMarkScope(std::shared_ptr<Document> document) : document_(std::move(document)) {
        document_->StartUndoMark();
    }
    ~UndoMarkScope() {
        try {
            document_->EndUndoMark();
        } catch (...) {
        }
    }
    UndoMarkScope(const UndoMarkScope&) = delete;
    UndoMarkScope& operator=(const UndoMarkScope&) = delete;

private:
    std::shared_ptr<Document> document_;
};

}  // namespace tavor::cad
