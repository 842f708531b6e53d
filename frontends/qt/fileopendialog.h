#pragma once
// The file-open dialog: title, filters in order, default suffix, initial path and a visible
// read-only check box.

#include "present/window/window_records.h"

class QWidget;

namespace korvel {

class FileOpenDialog {
public:
    explicit FileOpenDialog(const FILE_DIALOG_REQUEST& request) : m_request(request) {}

    FILE_DIALOG_RESULT run(QWidget* parent) const;

private:
    FILE_DIALOG_REQUEST m_request;
};

}  // namespace korvel
