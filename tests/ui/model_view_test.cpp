// Random sessions on the real dialog, each action also applied to a model
// of the test's own: after every step, every control shows what that model
// says and the dialog holds the same settings.
#include "tests/ui/dialog_fixture.h"

#include <random>

#include "custom/level_scale.h"
#include "dialog/control_table.h"

using controls::Kind;
using custom::Shows;

class ModelViewTest : public DialogTest, public ::testing::WithParamInterface<unsigned> {
protected:
    void ExpectSameState(const custom::Settings& model, int step) {
        for (const controls::Control& c : controls::kControls) {
            if (c.shows.shows == Shows::Nothing) continue;
            const custom::ControlView view = model.ViewOf(c.shows);
            const std::wstring text(view.text.begin(), view.text.end());
            ASSERT_EQ(Enabled(c.id), view.Enabled()) << "step " << step << " control " << c.id;
            switch (c.kind) {
                case Kind::Box:
                case Kind::Radio: ASSERT_EQ(Checked(c.id), view.position != 0) << "step " << step << " " << c.id; break;
                case Kind::Slider: ASSERT_EQ(SliderPos(c.id), view.position) << "step " << step << " " << c.id; break;
                case Kind::Spin: ASSERT_EQ(SpinPos(c.id), view.position) << "step " << step << " " << c.id; break;
                case Kind::Text: ASSERT_EQ(Text(c.id), text) << "step " << step << " " << c.id; break;
            }
        }
        for (std::size_t i = 0; i < custom::kEntryCount; ++i)
            ASSERT_EQ(dialog.Settings().Working()[i].value, model.Working()[i].value) << "step " << step << " " << i;
    }
};

TEST_P(ModelViewTest, RandomSessionsShowWhatTheModelSays) {
    std::mt19937 random(GetParam());
    custom::Settings model;
    const auto pick = [&](auto n) { return static_cast<std::size_t>(random() % n); };
    for (int step = 0; step < 300; ++step) {
        const controls::Control& c = controls::kControls[pick(controls::kControlCount)];
        if (c.shows.shows == Shows::Nothing || !model.ViewOf(c.shows).Enabled()) continue;
        const int at = model.ViewOf(c.shows).position;
        switch (c.kind) {
            case Kind::Box:
                Click(c.id);
                model.ToggleBox(c.shows);
                break;
            case Kind::Radio:
                Click(c.id);
                if (c.shows.shows == Shows::Codec)
                    model.ChooseCodecModel(static_cast<custom::CodecModel>(c.shows.bit));
                else
                    model.ChooseRecordSource(c.shows.bit);
                break;
            case Kind::Spin: {
                const bool up = random() % 2 == 0;
                PressSpin(c.id, up);
                const int stride = custom::LimitSpinOf(c.shows.entry).step;
                model.PressSpin(c.shows.entry, up ? -stride : stride);
                break;
            }
            case Kind::Slider:
                // A key is a level step, a page (the mouse's) a move of 52.
                switch (random() % 5) {
                    case 0: SliderKey(c.id, VK_DOWN); model.StepLevel(c.shows.entry, 1); break;
                    case 1: SliderKey(c.id, VK_UP); model.StepLevel(c.shows.entry, -1); break;
                    case 2: SliderKey(c.id, VK_NEXT); model.MoveSlider(c.shows.entry, std::min(at + 52, 256)); break;
                    case 3: SliderKey(c.id, VK_END); model.StepLevel(c.shows.entry, custom::kWholeScale); break;
                    default: {
                        const int to = static_cast<int>(random() % 257);
                        DragSlider(c.id, to);
                        model.MoveSlider(c.shows.entry, to);
                    }
                }
                break;
            case Kind::Text:
                if (random() % 4 == 0) {
                    Click(IDC_DEFAULT);
                    model.ResetToDefaults();
                }
                break;
        }
        ExpectSameState(model, step);
        if (HasFatalFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ModelViewTest, ::testing::Values(1u, 20261208u));
