#pragma once

#include <QObject>
#include <exception>
#include <string>

// Names as the error report prints them. Our own classes print their own names (TfrmShowSaver,
// TKRVButton, ...); the toolkit's classes print the names of the components they stand for
// (a timer is a TTimer, the application a TApplication). A window's handle prints as its form.
std::string ReportClassName(const QObject* object);
// The class of an error: our error classes name themselves; anything else is an Exception.
std::string ErrorClassName(const std::exception& error);
// The help-context number of an error, 0 unless it is one of ours that carries one.
int ErrorHelpContext(const std::exception& error);
