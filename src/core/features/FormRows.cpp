#include "core/features/FormRows.h"

#include "core/features/SettingsForm.h"
#include "core/model/RadioState.h"

namespace qtr::form {

FormRow GroupRow(int label)
{
    FormRow row;
    row.labelMessage = label;
    row.kind = ControlKind::GroupBox;
    return row;
}

FormRow CheckRow(int label, ImageField field)
{
    FormRow row;
    row.labelMessage = label;
    row.kind = ControlKind::CheckBox;
    row.field = field;
    row.bytes = BytesOf(field);
    return row;
}

FormRow ListRow(int label, ImageField field, std::vector<MessageCode> entries)
{
    FormRow row = CheckRow(label, field);
    row.kind = ControlKind::List;
    std::vector<ListEntry> list;
    for (const MessageCode& entry : entries)
        list.push_back({{}, entry.messageId, entry.code});
    row.entries = [list](const RadioState&) { return list; };
    return row;
}

FormRow EditRow(int label, ImageRange bytes, InputLimit limit)
{
    FormRow row;
    row.labelMessage = label;
    row.kind = ControlKind::Edit;
    row.bytes = bytes;
    row.limit = limit;
    return row;
}

FormRow SpinEditRow(int label, ImageField field, InputLimit limit, SpinRange spin)
{
    FormRow row = EditRow(label, BytesOf(field), limit);
    row.kind = ControlKind::EditSpin;
    row.field = field;
    row.spin = spin;
    return row;
}

FormRow NumberRow(int label, ImageField field, std::size_t digits, SpinRange spin, FieldText (*display)(unsigned),
                  unsigned (*value)(long long))
{
    FormRow row = SpinEditRow(label, field, {digits, InputClass::Digits}, spin);
    row.display = [field, display](const RadioState& state) { return display(state.Get(field)); };
    row.commitText = [field, value](RadioState& state, const std::string& text) {
        state.Set(field, value(TypedNumber(text)));
        return kNoEffect;
    };
    return row;
}

bool ShownOnLmr(const RadioState& state)
{
    return !state.IsParlane();
}

ImageRange BytesOf(ImageField field)
{
    return {field.offset, (field.firstBit + field.width + 7) / 8};
}

} // namespace qtr::form
