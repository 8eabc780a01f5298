#pragma once

#include <QJsonObject>
#include <QString>

namespace testing {
// An .xlsx file as a reader opens it (openpyxl): {"sheets": [...], "active": name, "title": ...,
// "cells": {sheet: {"A1": {"v": value, "f": number format, "b": bold, "fill": "RRGGBB"}}},
// "rows": {sheet: {"1": {"b", "fill"}}}, "columns": {sheet: {"E": {"b", "fill"}}}}; empty
// with a failure recorded when it cannot be read.
QJsonObject readWorkbook(const QString& path);
} // namespace testing
