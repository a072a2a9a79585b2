// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/gui/frame_rate_readout.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdio>

#include "model/number_format.h"

namespace voltaris {

std::string FrameRateText(double framesPerSecond) {
    // Below 999,5 the rate rounds to at most three digits before the comma; from there on
    // it no longer fits and is written in the general format ("1E3", "1,23E3").
    if (std::fabs(framesPerSecond) < 999.5) {
        char text[32];
        std::snprintf(text, sizeof text, "%.0f", framesPerSecond);
        return text;
    }
    return FormatShownNumber(framesPerSecond, 3);
}

std::string FrameRateReadout(const std::string& engineName, int32_t frameCount, int64_t nowMs,
                             FrameRateCounter& counter) {
    const int64_t elapsed = nowMs - counter.lastTick;
    const double rate = elapsed > 0 ? (frameCount - counter.lastFrames) * 1000.0 / elapsed : 0.0;
    counter.lastTick = nowMs;
    counter.lastFrames = frameCount;
    return QCoreApplication::translate("FrameRateReadout", "%1: %2 FPS; Total:%3")
        .arg(QString::fromStdString(engineName), QString::fromStdString(FrameRateText(rate)), QString::number(frameCount))
        .toStdString();
}

}  // namespace voltaris
