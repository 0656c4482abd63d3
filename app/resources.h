#pragma once
#include <QCoreApplication>
#include <QString>
inline QString res(const char* context, const char* english) { return QCoreApplication::translate(context, english); }
