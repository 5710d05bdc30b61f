// Title, menus, continue prompt, ending pictures and the HUD sheets.
#include <cmath>

#include "art.h"
#include "pictures.h"
#include "rng.h"

namespace assets {

namespace {

const Color kWhite{1, 1, 1};
const Color kGold{1.0f, 0.82f, 0.35f};
const Color kIce{0.55f, 0.85f, 1.0f};
const Color kInk = Rgb(8, 10, 24);  // outlines: dark, but not the colour key

// The logo: metallic letters with a blue glow.
void Logo(Canvas& c, float cx, float baseline, int size) {
  TextStyle s{Face::Latin, size, size / 40.0f, Align::Centre};
  float top = baseline - static_cast<float>(size) * 0.75f;
  Paint metal = Linear({cx, top}, Rgb(250, 252, 255), {cx, baseline}, Rgb(90, 130, 200));
  Label(c, "Quorvane", s, cx, baseline, metal, kInk, 2, Color{0.2f, 0.5f, 1.0f} * 0.8f, size / 8);
}

void Panel(Canvas& c, float x, float y, float w, float h, Color edge) {
  Contour box{{x + 8, y},         {x + w - 8, y}, {x + w, y + 8}, {x + w, y + h - 8},
              {x + w - 8, y + h}, {x + 8, y + h}, {x, y + h - 8}, {x, y + 8}};
  c.FillPolygon(box, Linear({x, y}, Rgb(26, 34, 70), {x, y + h}, Rgb(12, 14, 36)));
  c.StrokePolyline(box, 2, Paint(edge), true);
}

// A key cap with its name.
void KeyCap(Canvas& c, float x, float y, float w, const std::string& key) {
  Contour cap{{x + 4, y},          {x + w - 4, y},  {x + w, y + 4}, {x + w, y + 24},
              {x + w - 4, y + 28}, {x + 4, y + 28}, {x, y + 24},    {x, y + 4}};
  c.FillPolygon(cap, Linear({x, y}, Rgb(210, 220, 240), {x, y + 28}, Rgb(110, 120, 150)));
  c.StrokePolyline(cap, 1.2f, Paint(Rgb(40, 44, 60)), true);
  Label(c, key, TextStyle{Face::Latin, 15, 0, Align::Centre}, x + w / 2, y + 20, Paint(Rgb(20, 24, 40)));
}

void Planet(Canvas& c, Vec2 centre, float r, Color day, Color night, Color air) {
  c.Glow(centre, r * 1.12f, air * 0.6f, 3.0f);
  Vec2 light = centre + Vec2{-r * 0.5f, -r * 0.6f};
  c.FillCircle(centre, r, Radial(light, r * 1.6f, day, night));
  // Cloud bands.
  Canvas bands(c.width(), c.height());
  for (int i = 0; i < 9; ++i) {
    float y = centre.y - r + r * 2 * (static_cast<float>(i) + 0.5f) / 9;
    bands.FillEllipse({centre.x + std::sin(static_cast<float>(i) * 1.7f) * r * 0.2f, y}, r * 0.9f, r * 0.05f, 0.08f,
                      Paint(kWhite, 0.16f));
  }
  bands.Clip(PathMask(Path{CirclePoints(centre, r, 120)}, c.width(), c.height()));
  c.Draw(bands, 0, 0);
}

// Coverage that falls to nothing over `edge` pixels at the left, right and
// bottom of a picture, so that what is drawn through it shows no straight
// edge where the picture ends.
Mask SideAndBottomFade(int w, int h, float edge) {
  Mask m{0, 0, w, h, std::vector<float>(static_cast<size_t>(w) * h)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const float side = std::min(static_cast<float>(x) + 0.5f, static_cast<float>(w - x) - 0.5f) / edge;
      const float bottom = (static_cast<float>(h - y) - 0.5f) / edge;
      const float k = std::clamp(std::min(side, bottom), 0.0f, 1.0f);
      m.At(x, y) = k * k * (3 - 2 * k);
    }
  return m;
}

void Title(Canvas& c) {
  // The planet's arc is larger than the picture: it fades out at the sides
  // and the bottom instead of ending in the picture's edges.
  Canvas planet(c.width(), c.height());
  Planet(planet, {220, 820}, 420, Rgb(70, 120, 200), Rgb(12, 18, 46), Color{0.3f, 0.6f, 1.0f});
  planet.Clip(SideAndBottomFade(c.width(), c.height(), 90.0f));
  c.Draw(planet, 0, 0);
  Rng rng(77);
  for (int i = 0; i < 60; ++i) {
    Vec2 p{rng.Range(0, 440), rng.Range(0, 380)};
    c.Glow(p, rng.Range(1.5f, 3.5f), Color{0.8f, 0.9f, 1.0f} * rng.Range(0.4f, 1.0f), 2);
  }
  PlayerShip(c, Transform{{220, 270}, 0, {2.4f, 2.4f}}, 0);
  Logo(c, 220, 140, 76);
  Label(c, "STELLAR INTERCEPTOR", TextStyle{Face::Latin, 13, 0, Align::Centre}, 220, 170, Paint(kIce), kInk, 1);
  Label(c, "Enterキーを押してください", TextStyle{Face::Japanese, 20, 0.4f, Align::Centre}, 220, 420, Paint(kGold),
        kInk, 2, kGold * 0.4f, 3);
  Label(c, "ESC 終了　S 一時停止　T タイトル　R リプレイ", TextStyle{Face::Japanese, 12, 0, Align::Centre}, 220, 456,
        Paint(Rgb(190, 200, 230)), kInk, 1);
}

void MenuHeader(Canvas& c, const std::string& text) {
  Panel(c, 10, 10, 420, 460, Rgb(90, 140, 230));
  Logo(c, 220, 62, 34);
  Label(c, text, TextStyle{Face::Japanese, 26, 0.5f, Align::Centre}, 220, 110, Paint(kWhite), kInk, 2, kIce * 0.4f, 3);
  c.FillRect(60, 124, 320, 2, Linear({60, 0}, Rgb(20, 40, 90), {380, 0}, Rgb(120, 180, 255)));
}

void Difficulty(Canvas& c) {
  MenuHeader(c, "難易度選択");
  struct Row {
    const char* key;
    const char* text;
    Color colour;
  };
  const Row rows[] = {{"F1", "難易度1　ノーマル", kWhite},
                      {"F2", "難易度3　ハード", Rgb(255, 150, 130)},
                      {"Space", "背景オフ", Rgb(200, 210, 230)},
                      {"M", "マウス操作", Rgb(200, 210, 230)},
                      {"K", "キーボード操作（標準）", Rgb(200, 210, 230)}};
  float y = 150;
  for (const Row& r : rows) {
    KeyCap(c, 50, y, 70, r.key);
    Label(c, r.text, TextStyle{Face::Japanese, 18, 0, Align::Left}, 138, y + 21, Paint(r.colour), kInk, 1);
    y += 46;
    if (r.key[1] == '2') {
      c.FillRect(60, y - 6, 320, 1, Paint(Rgb(60, 80, 130)));
      y += 8;
    }
  }
  Label(c, "F1 か F2 でゲーム開始", TextStyle{Face::Japanese, 14, 0, Align::Centre}, 220, 436, Paint(kGold), kInk, 1);
}

void ShipSelect(Canvas& c) {
  MenuHeader(c, "機体選択");
  for (int i = 0; i < 2; ++i) {
    float x = 120 + 200.0f * static_cast<float>(i);
    PlayerShip(c, Transform{{x, 250}, 0, {1.8f, 1.8f}}, 0);
    KeyCap(c, x - 30, 340, 60, i == 0 ? "F5" : "F6");
    Label(c, i == 0 ? "機体1" : "機体2", TextStyle{Face::Japanese, 18, 0, Align::Centre}, x, 400, Paint(kWhite), kInk,
          1);
  }
}

void Continue(Canvas& c) {
  Panel(c, 2, 2, 196, 96, Rgb(230, 120, 90));
  Label(c, "CONTINUE?", TextStyle{Face::Latin, 24, 0, Align::Centre}, 100, 34, Paint(kGold), kInk, 2, kGold * 0.3f, 2);
  Label(c, "続けますか？", TextStyle{Face::Japanese, 16, 0, Align::Centre}, 100, 60, Paint(kWhite), kInk, 1);
  Label(c, "Y：はい　　N：いいえ", TextStyle{Face::Japanese, 15, 0, Align::Centre}, 100, 86, Paint(kIce), kInk, 1);
}

// Ending pictures: an illustration in a frame, a line of text beneath.
void EndingFrame(Canvas& c, const std::string& line1, const std::string& line2) {
  Contour frame = RectPoints(20, 20, 400, 300);
  c.StrokePolyline(frame, 3, Paint(Rgb(150, 170, 220)), true);
  Label(c, line1, TextStyle{Face::Japanese, 22, 0.3f, Align::Centre}, 220, 380, Paint(kWhite), kInk, 2, kIce * 0.3f, 3);
  Label(c, line2, TextStyle{Face::Japanese, 16, 0, Align::Centre}, 220, 420, Paint(Rgb(190, 205, 235)), kInk, 1);
}

Canvas Sky(Color top, Color bottom, uint32_t seed) {
  Canvas sky(400, 300);
  sky.FillRect(0, 0, 400, 300, Linear({0, 0}, top, {0, 300}, bottom));
  Rng rng(seed);
  for (int i = 0; i < 140; ++i) sky.AddPixel(rng.Below(400), rng.Below(300), kWhite * rng.Range(0.3f, 1.0f));
  return sky;
}

void Ending1(Canvas& c) {
  Canvas s = Sky(Rgb(30, 12, 40), Rgb(14, 10, 30), 1);
  s.FillPolygon(Symmetric({{200, 120}, {250, 130}, {300, 170}, {320, 240}, {280, 300}, {200, 300}}, 200),
                Paint(Rgb(40, 36, 50)));
  Explosion(s, {200, 200}, 110, 0.35f, {{1.0f, 0.9f, 0.5f}, {1.0f, 0.5f, 0.12f}, {0.55f, 0.08f, 0.04f}}, 9);
  Explosion(s, {120, 240}, 50, 0.2f, {{1.0f, 0.9f, 0.5f}, {1.0f, 0.5f, 0.12f}, {0.55f, 0.08f, 0.04f}}, 10);
  Explosion(s, {290, 220}, 40, 0.5f, {{1.0f, 0.9f, 0.5f}, {1.0f, 0.5f, 0.12f}, {0.55f, 0.08f, 0.04f}}, 11);
  c.Draw(s, 20, 20);
  EndingFrame(c, "敵要塞は沈黙した。", "長い戦いが、ついに終わった。");
}

void Ending2(Canvas& c) {
  Canvas s = Sky(Rgb(10, 14, 40), Rgb(20, 30, 70), 2);
  Planet(s, {330, 70}, 36, Rgb(90, 150, 230), Rgb(14, 24, 60), Color{0.3f, 0.6f, 1.0f});
  for (int i = 0; i < 3; ++i) {
    Vec2 p{120.0f + 70.0f * static_cast<float>(i), 220.0f - 40.0f * static_cast<float>(i)};
    PlayerShip(s, Transform{p, Radians(40), {1.2f - 0.2f * static_cast<float>(i), 1.2f - 0.2f * static_cast<float>(i)}},
               0.3f);
  }
  c.Draw(s, 20, 20);
  EndingFrame(c, "翼を並べて、帰還の途につく。", "故郷の星へ。");
}

void Ending3(Canvas& c) {
  Canvas s = Sky(Rgb(8, 10, 30), Rgb(10, 14, 40), 3);
  Planet(s, {200, 170}, 110, Rgb(80, 160, 240), Rgb(10, 20, 60), Color{0.3f, 0.7f, 1.0f});
  s.FillEllipse({258, 80}, 14, 14, 0, Paint(Rgb(200, 200, 190)));
  c.Draw(s, 20, 20);
  EndingFrame(c, "青い星が見えてきた。", "みんなが待っている。");
}

void Ending5(Canvas& c) {
  Canvas s = Sky(Rgb(14, 18, 50), Rgb(40, 50, 100), 5);
  Planet(s, {200, 560}, 340, Rgb(70, 130, 210), Rgb(14, 24, 60), Color{0.4f, 0.7f, 1.0f});
  s.Glow({120, 222}, 140, Color{1.0f, 0.75f, 0.4f} * 0.8f, 2.2f);
  s.Glow({120, 222}, 24, kWhite, 1.2f);
  c.Draw(s, 20, 20);
  EndingFrame(c, "夜明けの光が、地平を照らす。", "新しい一日が始まる。");
}

void Ending6(Canvas& c) {
  Rng rng(6);
  for (int i = 0; i < 40; ++i) c.Glow({rng.Range(10, 430), rng.Range(10, 300)}, rng.Range(1.5f, 3), kWhite * 0.7f, 2);
  Logo(c, 220, 190, 66);
  Label(c, "THE END", TextStyle{Face::Latin, 30, 0, Align::Centre}, 220, 280, Paint(kGold), kInk, 2, kGold * 0.3f, 3);
  Label(c, "遊んでくれて、ありがとう。", TextStyle{Face::Japanese, 18, 0, Align::Centre}, 220, 380, Paint(kWhite), kInk,
        1);
}

void GoodJob(Canvas& c) {
  Label(c, "ミッション完了", TextStyle{Face::Japanese, 34, 0.8f, Align::Centre}, 150, 48, Paint(kGold), kInk, 2,
        kGold * 0.4f, 3);
  Label(c, "よくやった、パイロット！", TextStyle{Face::Japanese, 18, 0, Align::Centre}, 150, 84, Paint(kWhite), kInk,
        1);
}

// A 5x7 pixel font for the small HUD band: crisp at 10 pixels high.
const char* Glyph5x7(char ch) {
  switch (ch) {
    case '0': return " ### #   ##  ### # ###  ##   # ### ";
    case '1': return "  #   ##    #    #    #    #   ### ";
    case '2': return " ### #   #    #   #   #   #   #####";
    case '3': return "#####   #   #     #     ##   # ### ";
    case '4': return "   #   ##  # # #  # #####   #    # ";
    case '5': return "######    ####     #    ##   # ### ";
    case '6': return "  ##  #   #    #### #   ##   # ### ";
    case '7': return "#####    #   #   #   #    #    #   ";
    case '8': return " ### #   ##   # ### #   ##   # ### ";
    case '9': return " ### #   ##   # ####    #   #  ##  ";
    case 'A': return " ### #   ##   #######   ##   ##   #";
    case 'B': return "#### #   ##   ##### #   ##   ##### ";
    case 'E': return "######    #    #### #    #    #####";
    case 'G': return " ### #   ##    # ####   ##   # ####";
    case 'M': return "#   ### ### # ##   ##   ##   ##   #";
    case 'N': return "#   ###  ## # ##  ###   ##   ##   #";
    case 'O': return " ### #   ##   ##   ##   ##   # ### ";
    case 'R': return "#### #   ##   ##### # #  #  # #   #";
    case 'V': return "#   ##   ##   ##   ##   # # #   #  ";
    case 'Y': return "#   ##   # # #   #    #    #    #  ";
    default: return "                                   ";
  }
}

void PixelText(Canvas& c, const std::string& text, int x, int y, Color top, Color bottom) {
  for (char ch : text) {
    const char* g = Glyph5x7(ch);
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col)
        if (g[row * 5 + col] == '#') c.SetPixel(x + col, y + row, Mix(top, bottom, static_cast<float>(row) / 6.0f));
    x += 6;
  }
}

// A dark ring one pixel round a glyph, inside its cell, so that it reads over
// bright hulls too. Near black, not black: black is the colour key.
void PixelOutline(Canvas& c, char ch, int x, int y) {
  const char* g = Glyph5x7(ch);
  auto lit = [g](int col, int row) { return col >= 0 && col < 5 && row >= 0 && row < 7 && g[row * 5 + col] == '#'; };
  for (int row = -1; row <= 7; ++row)
    for (int col = -1; col <= 5; ++col) {
      if (lit(col, row)) continue;
      bool near = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) near = near || lit(col + dx, row + dy);
      if (near) c.SetPixel(x + col, y + row, Rgb(10, 12, 24));
    }
}

void Hud(Canvas& c) {
  // Only the band y 70..80 is read: digits, GAME OVER, streak colours, labels.
  for (int d = 0; d < 10; ++d) {
    const char digit = static_cast<char>('0' + d);
    PixelOutline(c, digit, 8 + 7 * d + 1, 71);
    PixelText(c, std::string(1, digit), 8 + 7 * d + 1, 71, kWhite, Rgb(120, 200, 255));
  }
  PixelText(c, "GAME OVER", 81, 71, Rgb(255, 220, 120), Rgb(255, 70, 40));
  const Color streaks[7] = {Rgb(255, 255, 255), Rgb(170, 200, 255), Rgb(90, 130, 255), Rgb(110, 240, 255),
                            Rgb(255, 240, 150), Rgb(255, 170, 90), Rgb(200, 140, 255)};
  for (int i = 0; i < 7; ++i)
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 3; ++x) {
        float k = (x == 1 ? 1.0f : 0.55f) * (0.35f + 0.65f * static_cast<float>(y) / 9.0f);
        c.SetPixel(139 + 3 * i + x, 70 + y, streaks[i] * k);
      }
  PixelText(c, "BOMB", 170, 71, Rgb(255, 220, 130), Rgb(255, 140, 60));
  PixelText(c, "ENGY", 200, 71, Rgb(160, 255, 190), Rgb(60, 200, 120));
}

void BigDigits(Canvas& c) {
  for (int d = 0; d < 10; ++d) {
    float x = 20.0f * static_cast<float>(d) + 10;
    Paint fill = Linear({x, 3}, kWhite, {x, 23}, Rgb(90, 190, 255));
    Label(c, std::string(1, static_cast<char>('0' + d)), TextStyle{Face::Latin, 26, 0.4f, Align::Centre}, x, 22, fill,
          kInk, 1);
  }
}

}  // namespace

void AddScreenPictures(PictureList& out) {
  out.push_back({"TITLEC", 440, 480, Title});
  out.push_back({"LEVEL1", 440, 480, Difficulty});
  out.push_back({"LEVEL0", 440, 480, ShipSelect});
  out.push_back({"CONTINU1", 200, 100, Continue});
  out.push_back({"MYGOODN", 300, 100, GoodJob});
  out.push_back({"QKTSCG1", 440, 480, Ending1});
  out.push_back({"QKTSCG2", 440, 480, Ending2});
  out.push_back({"QKTSCG3", 440, 480, Ending3});
  out.push_back({"QKTSCG5", 440, 480, Ending5});
  out.push_back({"QKTSCG6", 440, 480, Ending6});
  out.push_back({"MYMY", 224, 80, Hud});
  out.push_back({"SUJI09", 200, 25, BigDigits});
}

}  // namespace assets
