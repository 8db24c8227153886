// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace varnholt {

// The error numbers the windows report ("Load Error Number: 6" and so on).
enum ErrorNumber : int {
    ErrOverflow = 6,
    ErrSubscriptOutOfRange = 9,
    ErrTypeMismatch = 13,
    ErrFileNotFound = 53,
    ErrPathNotFound = 76,
    ErrInvalidPropertyValue = 380,
    ErrInvalidPicture = 481,
};

std::string errorDescription(int number);

class RuntimeError final : public std::runtime_error {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const std::string& description);
    // With a line for the user naming what caused it, shown below the description.
    RuntimeError(int number, const std::string& description, const std::string& cause);
    int number() const { return m_number; }
    const std::string& description() const { return m_description; }
    // Empty for most errors.
    const std::string& cause() const { return m_cause; }

private:
    int m_number;
    std::string m_description;
    std::string m_cause;
};

// Why a picture file did not load, or a folder of pictures cannot be listed.
struct PictureFault {
    enum Kind { FileMissing, FolderMissing, NotAPicture };
    Kind kind = NotAPicture;
    // What was wrong with it, for the user; empty when the kind says all.
    std::string reason;
};

// The error a window reports for the fault: 53, 76 or 481, the reason in brackets.
RuntimeError pictureError(const PictureFault& fault);

} // namespace varnholt
