#pragma once
// A graph's series as a table for the clipboard: a column per series headed by its name, a row
// per point headed by its label, cells separated by tabs.

#include "present/window/recording_observer.h"

#include <QString>

namespace korvel {

QString seriesTable(const GRAPH_PAGE& page);

}  // namespace korvel
