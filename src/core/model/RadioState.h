#pragma once

#include "core/base/ImageNotifier.h"
#include "core/model/ImageView.h"
#include "core/model/ModelTable.h"

#include <array>
#include <cstdint>
#include <string>

namespace qtr {

// Band of the current model as the frequency checks use it.
struct Band {
    double lower = 150.0;
    double upper = 174.0;
    int flag = 0; // 0 VHF, 1 UHF, -1 no channel class (treated as UHF)
};

// The program's one radio: the image, its saved copy, the snapshot array, the
// current model record and the sixteen-channel flag. Owned by the application and
// handed by reference to whoever needs it.
class RadioState {
public:
    RadioState();

    ImageBytes image{};
    ImageBytes saved{};
    std::array<std::uint32_t, kImageSize> snapshot{};
    ModelRecord currentModel{};
    bool sixteenChannelFlag = true;
    Band band;
    // Windows hear here that the image was replaced or changed.
    ImageNotifier notices;

    ImageView View() { return ImageView(image); }
    ImageReader Reader() const { return ImageReader(image); }
    // A field of the image.
    unsigned Get(const ImageField& field) const { return Reader().Get(field); }
    void Set(const ImageField& field, unsigned value) { View().Set(field, value); }

    // Queries on the model in the image.
    std::uint8_t LineLetter() const;
    bool IsParlane() const;
    bool IsLVariant() const;
    unsigned ChannelCountCode() const;
    int ChannelCount() const; // 0 when the code names no channel count
    // Channel slots the editors show: an unknown count code counts as the 15/16 class.
    int SlotCount() const;
    std::string ImageModelCode() const;
    int ModelTypeOfImage() const;

    // Queries that also settle the sixteen-channel flag, as the model rules require.
    int IsUhf();
    Band BandLimits() const;
    int ModelTypeOfRecord(const ModelRecord& record);
    int ChannelClassRow(std::uint8_t typeByte);
    bool ValidateModelRecord(const ModelRecord& record);
    std::string ModelName();

    void SetModelCode(int modelType);
    void CommitModel(std::uint8_t typeByte);
    void AdoptImageModel();
    void CopyCurrentModelIntoImage();
    void CopyImageModelIntoCurrent();
    void UpdateBand(); // band edges and flag from the current model

    // When the model code is one of the UHF L codes, make it say 15 or 16 channels
    // as the sixteen-channel flag does.
    void WriteSixteenChannelCode();

    void TakeSnapshot();
    void RestoreSnapshot();
    void MarkSaved() { saved = image; }
    bool IsModified() const { return image != saved; }
};

} // namespace qtr
