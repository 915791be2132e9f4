// SPDX-License-Identifier: GPL-3.0-or-later
// The state records in the settings file.  Each record is stored whole as
// one block: the hexadecimal text of its bytes under the key of its block
// number, in the group "saved" or "unsaved".
#pragma once

#include "platform/Config.h"

class PrefsStorage : public Config {
public:
    // Opens the settings file: by default the user's file of the application
    // name, with Config::File the file of that path.
    explicit PrefsStorage(const QString& name, Domain domain = User);

    // Stores the `size` bytes at `data` as block `block` of the group
    // "saved" or "unsaved": two upper-case hexadecimal digits a byte, no
    // separator.  The text reaches the file at sync() or destruction.
    bool writeBlock(int block, const void* data, unsigned size, bool saved);

    // Decodes block `block` into `data`.  On entry *size is the capacity of
    // `data`; on return the number of bytes decoded, the bytes beyond it
    // untouched.  Returns false, changing nothing, when the block is absent.
    // The text is taken as it is: either case of hexadecimal digit, any
    // other character a zero nibble, an odd last character the high nibble
    // of a last byte, text beyond the capacity ignored.
    bool readBlock(int block, void* data, unsigned* size, bool saved);

    // Whether block `block` is there as writeBlock writes a record of `size`
    // bytes: exactly two hexadecimal digits a byte.
    bool isWholeBlock(int block, unsigned size, bool saved);

private:
    void selectGroup(bool saved);
};
