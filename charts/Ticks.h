#pragma once
// Where the ticks of an axis go and how their number labels read. Shared by
// the axis renderer of the 2D chart and the axis labels of the surface plot.
#include <QString>
#include <cstdint>

namespace zw {

// First tick, signed long-tick step and short intervals per step for at least
// Count intervals between Low and High (steps 1, 2 or 5 times a power of ten).
// Count 0 gives the step 1 in the direction of the range.
void NiceTickStep(int Count, long double Low, long double High, long double& FirstTick, long double& Step,
                  std::uint16_t& SubDiv);

// Decimals of number labels: dp itself unless it asks for automatic choice
// (-2, -3 linear; -2 logarithmic). -1 means exponential notation.
int DecimalPlacesFor(int dp, double High, double Low);
int LogDecimalPlacesFor(int dp, double High, double Low);

// The number with dec decimals ("." as point), or for dec = -1 the short
// exponential form « 1.3E+04» (all "*" when the exponent needs three digits).
QString FormatTickNumber(int dec, double v);

// Item `index` (from 1) of a "|"-separated list; an index past the end gives
// the last item.
QString UserTickItem(const QString& userText, int index);

// The unit text joined to a label: the label replaces the first "&", or the
// inscript goes in front of it.
QString JoinInscript(const QString& label, const QString& inscript);

}  // namespace zw
