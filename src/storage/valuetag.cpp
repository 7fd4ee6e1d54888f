// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "valuetag.h"

const char *valueTagName(int tag)
{
    static const char *const names[] = {"tagEnd",    "tagList",   "tagInt8",   "tagInt16",
                                        "tagInt32",  "tagExtended", "tagString", "tagIdent",
                                        "tagFalse",  "tagTrue",   "tagBinary", "tagSet",
                                        "tagLongString", "tagNil", "tagCollection"};
    if (tag < 0 || tag > kMaxValueTag)
        return "tag?";
    return names[tag];
}
