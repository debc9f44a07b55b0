#pragma once

#include "core/features/FormRow.h"

#include <vector>

namespace qtr::form {

// The kinds of row every settings form has, with the plain rules; a form adds its own.
struct MessageCode {
    int messageId;
    unsigned code;
};

FormRow GroupRow(int label);
FormRow CheckRow(int label, ImageField field);
// A list of fixed entries, each a message and the code it stores.
FormRow ListRow(int label, ImageField field, std::vector<MessageCode> entries);
FormRow EditRow(int label, ImageRange bytes, InputLimit limit);
FormRow SpinEditRow(int label, ImageField field, InputLimit limit, SpinRange spin);
// A numeric edit with spin whose typed number is turned into the stored value by `value`.
FormRow NumberRow(int label, ImageField field, std::size_t digits, SpinRange spin, FieldText (*display)(unsigned),
                  unsigned (*value)(long long));

// Visibility rules of rows that one model line has and the other has not.
bool ShownOnLmr(const RadioState& state);

// The bytes a field covers.
ImageRange BytesOf(ImageField field);

} // namespace qtr::form
