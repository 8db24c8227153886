// SPDX-License-Identifier: MIT
#include "core/common/errors.h"

namespace varnholt {

std::string errorDescription(int number)
{
    switch (number) {
    case ErrOverflow:
        return "Overflow";
    case ErrSubscriptOutOfRange:
        return "Subscript out of range";
    case ErrTypeMismatch:
        return "Type mismatch";
    case ErrFileNotFound:
        return "File not found";
    case ErrPathNotFound:
        return "Path not found";
    case ErrInvalidPropertyValue:
        return "Invalid property value";
    case ErrInvalidPicture:
        return "Invalid picture";
    default:
        return "Application-defined or object-defined error";
    }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, errorDescription(number)) {}

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), m_number(number), m_description(description)
{
}

RuntimeError::RuntimeError(int number, const std::string& description, const std::string& cause)
    : std::runtime_error(description), m_number(number), m_description(description), m_cause(cause)
{
}

RuntimeError pictureError(const PictureFault& fault)
{
    const int number = fault.kind == PictureFault::FileMissing ? ErrFileNotFound
        : fault.kind == PictureFault::FolderMissing            ? ErrPathNotFound
                                                               : ErrInvalidPicture;
    if (fault.reason.empty())
        return RuntimeError(number);
    return RuntimeError(number, errorDescription(number) + " (" + fault.reason + ")");
}

} // namespace varnholt
