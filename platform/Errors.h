#pragma once
// The run-time errors of the program. Every failure that ends a command is one of these; they are
// caught only where a command starts (see Guarded.h) and shown in the error box.
// Messages (what()) are UTF-8: they are built from the program's own wording and file paths;
// data-model text put into a message is converted from Windows-1252 first.
#include <stdexcept>
#include <string>

class TuvonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that should hold a number does not.
class EConvertError : public TuvonError {
public:
    using TuvonError::TuvonError;
};

// A file could not be opened, read, written or replaced; the message names the file.
class EInOutError : public TuvonError {
public:
    using TuvonError::TuvonError;
};

// A file was read but its contents are damaged or incomplete; the message names the file.
class EFileFormatError : public TuvonError {
public:
    using TuvonError::TuvonError;
};
