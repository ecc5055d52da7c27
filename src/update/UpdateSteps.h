#pragma once

// What the update checker's Next button does, step by step.
enum class UpdateStep {
    CheckForUpdates = 1,
    Download = 2,
    Install = 3,
    Close = 4,
};

// Next once the offer is shown or a box of it toggled: it downloads while something is checked,
// and closes the window when nothing is (or nothing was offered).
constexpr UpdateStep stepOfOffer(bool somethingChecked)
{
    return somethingChecked ? UpdateStep::Download : UpdateStep::Close;
}
