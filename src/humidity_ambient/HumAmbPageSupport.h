#pragma once

#include "common/KeyFilters.h"
#include "core/families/humamb/HumAmbConfiguration.h"
#include "core/families/humamb/HumAmbLimits.h"
#include "core/families/humamb/HumAmbRanges.h"
#include "core/families/humamb/HumAmbScales.h"
#include "core/protocol/TransmitterSession.h"

#include <QChar>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>

class QEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;

namespace korv {

class PageHost;
struct InputRangeState;

namespace humamb {

// Every step of a transfer is tried this often in a row before the sequence gives up.
inline constexpr int StatusSeconds = 2;  // "Leitura OK" and "Envio OK" stay this long

// One input of the humidity or the ambient tab: its limit edits, zero edit, zero-limit labels
// and working state.
struct InputControls {
    QLineEdit* lowerEdit = nullptr;
    QLineEdit* upperEdit = nullptr;
    QLineEdit* zeroEdit = nullptr;
    QLabel* zeroMinLabel = nullptr;
    QLabel* zeroMaxLabel = nullptr;
    InputRangeState* state = nullptr;
    ZeroScale scale;
};

InputLimits sensorLimits(const InputRangeState& state);
void setSensorLimits(InputRangeState& state, const InputLimits& limits);
LimitPair limitPair(const InputRangeState& state);
void setLimitPair(InputRangeState& state, const LimitPair& range);

// The zero-limit update of one input: range from the edits, the two limit texts into the state
// and the labels; returns the stored correction re-expressed on the span. Limit edits that hold
// no number leave the range as it was and blank the limits, as no limit can be given for them.
QString updateZeroLimits(const InputControls& input);

// The input's edits as plain values, and the edit a refusal sends the user to.
InputForm inputForm(const InputControls& input);
QLineEdit* fieldEdit(const InputControls& input, FormField field);

// Leaving a limit edit: stores the typed range in ascending order and blanks the zero-limit labels
// of a refused range. A RefreshZero result asks the caller for a zero-limit update and a fresh
// zero edit.
LeaveEditAction leaveLimitEdit(const InputControls& input);

// The checks of an input before anything is sent: limit edits that hold numbers (message 0,
// focus on the edit), the range state (message 0, focus on the edit the check names), then,
// after `advance`, the zero correction (an empty edit becomes "0"; message 1 and focus on the
// zero edit when it is no number or lies outside the limits `updateZeroLimits` recomputes).
// Returns false once the user has been told.
bool checkInputForSend(PageHost& host, const InputControls& input, const std::function<void()>& advance,
    const std::function<void()>& updateInputZeroLimits);

// A decoded range into the limit edits, upper first; the temperature inputs hold the upper limit
// at the sensor maximum. Nothing changes for no range (a gain of 0): the edits keep what they show.
void showDecodedRange(const std::optional<DecodedRange>& range, const InputControls& input, bool clampUpper);

// Checks `on`, then unchecks `off`; in that order an auto-exclusive pair never passes through a
// state with neither button checked.
void checkOneOf(QRadioButton* on, QRadioButton* off);

// Focus changes that stand for the user moving between controls. A focus lost to another window,
// a message box or a popup menu and regained from it is no move within the form.
bool isUserFocusMove(const QEvent* event);

// Key filters bound to the edits. Both return true when the key press is consumed.
bool filterLimitKeyPress(QLineEdit* edit, QKeyEvent* event);
bool filterZeroKeyPress(QLineEdit* edit, QKeyEvent* event, ZeroKeyState& keys);

// The progress bar and status edit of a tab during a reading or sending sequence.
class TransferProgress {
public:
    TransferProgress(PageHost& host, QProgressBar* bar, QLineEdit* status);

    void start();
    // One step done: the bar moves on, the status edit shows `caption`, the window repaints.
    void advance(const QString& caption);
    // The last step done: the bar is full, a short pause lets the user see it.
    void complete(const QString& caption);
    void hide();
    // A reading step that failed for good: the box shows over the full bar.
    void failRead(const QString& message);
    // A sending step that failed for good: the bar goes before the box shows.
    void failSend(const QString& message);
    void succeed(const QString& text);

private:
    PageHost& host_;
    QProgressBar* bar_;
    QLineEdit* status_;
};

// Contact before a send, by HumAmbSendContact. A port that will not open ends at once with message 4, a silent
// transmitter with the link closed and message 5. Returns false once the user has been told.
bool contactForSend(PageHost& host, TransferProgress& progress);

// The steps of a transfer in order, each under the attempt rule: the bar advances with `caption`
// after each step and fills after the last. The index of the step that still failed, for the
// caller to report, or nothing.
std::optional<std::size_t> runSteps(
    TransmitterSession& session, TransferProgress& progress, const TransferSteps& steps, const QString& caption);

}  // namespace humamb
}  // namespace korv
