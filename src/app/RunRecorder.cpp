#include "app/RunRecorder.h"

#include "app/AtomicFile.h"
#include "app/RegularFile.h"
#include "app/RunFolder.h"
#include "game/RulesChecksum.h"

#include <cmath>
#include <ostream>

namespace tavernrush {

RunRecorder::RunRecorder(RunRecorderParts parts, const RunHeader& header)
    : parts_(std::move(parts)), lastFlushClock_(header.clockStart)
{
    parts_.file.append(runHeaderLines(header));
    parts_.file.flush();
}

RunRecorder::~RunRecorder() { parts_.file.flush(); }

void RunRecorder::onEscapeReleased()
{
    if (loop_ != nullptr) {
        loop_->onEscapeReleased();
    } else {
        parts_.window.requestClose();
    }
}

void RunRecorder::onKeyPressed(int code)
{
    if (loop_ != nullptr) {
        loop_->onKeyPressed(code);
    }
}

void RunRecorder::beforeFrame(FrameLoop& loop)
{
    loop_ = &loop;
    if (parts_.inner != nullptr) {
        parts_.inner->beforeFrame(loop);
    }
    const long frame = loop.frameNumber();
    for (const double step : scrolls_) {
        parts_.file.append(scrollLine(frame, step));
        loop.onScroll(step);
    }
    scrolls_.clear();
    if (frame == 0 && loop.rules().onTitle()) {
        parts_.file.append(menuLine(0, MenuCommand::Title));
    }
    parts_.input.sample();
    writeInput(frame);
}

void RunRecorder::writeInput(long frame)
{
    const InputSnapshot& now = parts_.input.snapshot();
    const InputSnapshot before = last_.value_or(InputSnapshot{});
    const bool first = !last_;
    if (first || now.actions != before.actions) {
        parts_.file.append(actionsLine(frame, now.actions));
    }
    if (first || now.mouse != before.mouse) {
        parts_.file.append(mouseLine(frame, now.mouse));
    }
    if (first || now.cursor != before.cursor) {
        parts_.file.append(pointerLine(frame, now.cursor));
    }
    if (first || now.pad.buttons != before.pad.buttons || now.pad.axes != before.pad.axes) {
        parts_.file.append(gamepadLine(frame, now.pad));
    }
    if (now.focused != before.focused) {
        parts_.file.append(focusLine(frame, now.focused));
    }
    last_ = now;
}

void RunRecorder::afterFrame(FrameLoop& loop)
{
    if (parts_.inner != nullptr) {
        parts_.inner->afterFrame(loop);
    }
    const long frame = loop.frameNumber();
    const FrameRules& rules = loop.rules();
    const double clock = rules.state().lastFrameTime;
    parts_.file.append(timeLine(frame, clock));
    for (const MenuCommand command : rules.menuCommands()) {
        parts_.file.append(menuLine(frame, command));
    }

    bool won = false;
    for (const FrameEvent& event : loop.scene().events) {
        won = won || event.kind == FrameEventKind::Won;
    }
    if (frame % ghostSampleEveryFrames == 0 || won) {
        const glm::mat4& model = rules.state().player.playerModel;
        parts_.file.append(ghostLine(frame, GhostSample{rules.state().gameTimer, glm::vec3(model[3]), headingOf(model)}));
    }
    if (frame % checksumEveryFrames == 0) {
        parts_.file.append(checkLine(frame, checksumRules(rules)));
    }
    if (won) {
        keepBestRun(loop, frame);
    }
    if (parts_.window.shouldClose()) {
        parts_.file.append(escapeLine(frame));
        parts_.file.flush();
    } else if (clock - lastFlushClock_ >= flushEverySeconds || clock < lastFlushClock_) {
        parts_.file.flush();
        lastFlushClock_ = clock;
    }
}

void RunRecorder::keepBestRun(FrameLoop& loop, long frame)
{
    const int tenths = static_cast<int>(std::lround(static_cast<double>(loop.rules().state().gameTimer) * 10.0));
    parts_.file.append(wonLine(frame, tenths));
    if (!parts_.bestRun || (parts_.bestTenths && *parts_.bestTenths <= tenths)) {
        return;
    }
    parts_.file.flush();
    if (!parts_.file.isRecording()) {
        return;
    }
    const RegularFileRead run = readRegularFile(parts_.file.path(), largestRunBytes);
    std::optional<std::string> problem = run.text ? std::nullopt : std::optional<std::string>(run.problem);
    if (!problem) {
        problem = writeFileAtomically(*parts_.bestRun, *run.text);
    }
    if (problem) {
        parts_.log << "ERROR: Cannot keep the best run in '" << parts_.bestRun->string() << "' (" << *problem
                   << "). The game goes on." << std::endl;
        return;
    }
    parts_.bestTenths = tenths;
}

} // namespace tavernrush
