// The cost of painting a 1920x1080 clock with a background picture after a tick: the whole
// frame against only the parts the tick changed.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <filesystem>
#include <fstream>

#include "Form1.h"
#include "Form2.h"
#include "qt/qt_app.h"
#include "qt/qt_testing.h"

namespace {

struct Scene {
  Scene() {
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(HC_BACKGROUND_PICTURE, folder / "Halvek_Clock_bg.jpg",
                               std::filesystem::copy_options::overwrite_existing);
    std::ofstream(folder / "Halvek_Clock.ini")
        << "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=Default\r\nSlideShowTime=0\r\n"
           "Localisation=1\r\nBack=1\r\n";
  }
  ~Scene() {
    std::filesystem::remove(folder / "Halvek_Clock_bg.jpg");
    std::filesystem::remove(folder / "Halvek_Clock.ini");
  }
  // The clock reads its files beside the program.
  std::filesystem::path folder = std::filesystem::canonical("/proc/self/exe").parent_path();
};

QRect Pixels(const hc::RectTwips& r) {
  return QRect(static_cast<int>(r.left / 15) - 2, static_cast<int>(r.top / 15) - 2,
               static_cast<int>(r.width / 15) + 5, static_cast<int>(r.height / 15) + 5);
}

// The area a tick touches: where the moving parts were and where they are now.
QRegion MovingParts(hc::Form1& c) {
  QRegion region;
  for (int i = 0; i <= 2; ++i) {
    region += Pixels(c.LineS(i).ShownExtent());
    region += Pixels(c.ShapeS(i + 2).ShownExtent());
    region += Pixels(c.lblS(i).ShownExtent());
  }
  return region;
}

// The toolkit and the clock live in main, not in function statics: statics would be
// destroyed after Qt's own ones, which the application still uses as it goes.
struct Bench {
  hc::qt::App& app;
  hc::Form1& clock;
};
Bench* bench = nullptr;

void Paint(benchmark::State& state, bool whole) {
  hc::Form1& clock = bench->clock;
  hc::qt::App& app = bench->app;
  QWidget* view = hc::qt::ViewOf(app, clock.window);
  QImage frame(view->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QRegion region = MovingParts(clock);
    clock.Timer4_Timer();
    region += MovingParts(clock);
    if (whole) region = QRegion(view->rect());
    QPainter painter(&frame);
    view->render(&painter, region.boundingRect().topLeft(), region,
                 QWidget::DrawWindowBackground | QWidget::DrawChildren);
    benchmark::DoNotOptimize(frame.constBits());
  }
}

void BM_PaintWholeFrame(benchmark::State& state) {
  Paint(state, true);
}
void BM_PaintChangedParts(benchmark::State& state) {
  Paint(state, false);
}
BENCHMARK(BM_PaintWholeFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintChangedParts)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Scene scene;
  std::string program = "paint_bench";
  int qt_argc = 3;
  char* qt_argv[] = {program.data(), const_cast<char*>("-platform"),
                     const_cast<char*>("offscreen:configfile=" HC_SCREEN_CONFIG), nullptr};
  hc::qt::App app(qt_argc, qt_argv);
  hc::Form1 clock(app.GetSystem(), [&app](hc::Window& w) { app.Attach(w); });
  clock.Form_Load();
  clock.window.Show();
  Bench state{app, clock};
  bench = &state;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  bench = nullptr;
  return 0;
}
