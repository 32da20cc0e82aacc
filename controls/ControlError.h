#pragma once

#include <stdexcept>

// Raised by the program's own controls when a property cannot be applied; whoever set the
// property (a page's initialisation, a layout) sees it, and the entry routine shows it.
class EControlError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A picture could not be turned into what the control needs (a 24-bit copy, a shape).
class EInvalidGraphicOperation : public EControlError
{
public:
    using EControlError::EControlError;
};
