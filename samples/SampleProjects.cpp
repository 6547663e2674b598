#include "samples/SampleProjects.h"

#include "core/check/ColumnCheck.h"

namespace tarvo::samples {
namespace {

// Index of a species in the ungraded sawn-lumber list.
constexpr int kUngradedAkamatsu = 0;
constexpr int kUngradedHinoki = 5;
constexpr int kUngradedSugi = 13;
// Lamina species list.
constexpr int kLaminaKaramatsu = 11;
constexpr int kLaminaBeimatsu = 17;
constexpr int kLaminaSugi = 34;
// Column species list of the glulam column.
constexpr int kColumnHinoki = 9;
constexpr int kColumnSugi = 33;

struct Forces {
    double longTerm, longSnow, shortSnow, wind, quake;
};

ColumnMember makeItem(const std::string& name, double b, double d, double lkx, Forces n) {
    ColumnMember item;
    item.Name = name;
    item.B = b;
    item.D = d;
    item.Lkx = lkx;
    item.AxialForce = {n.longTerm, n.longSnow, n.shortSnow, n.wind, n.quake};
    ApplyAutoTenon(item);
    return item;
}

// Places the item in storey `floor` and gives it wall width `width` for wind,
// copying the storey's mid-height as the column page does.
void placeInStorey(ColumnMember& item, const CommonData& common, int floor, double width) {
    item.FloorIndex = floor;
    item.HeightZ = floor >= 1 && floor <= kStoreyCount ? common.MidHeight[floor - 1] : item.HeightZ;
    item.WindWidth = width;
}

void ungradedSawn(MatInputData& m, int species) {
    m.SelectProduct = kSawnLumber;
    m.ProductStandardNormal = 2;
    m.KindOfWood[0] = species;
}

void setCommon(CommonData& c, int standard, int v0Index, int rough, double height, double floorLevel,
               std::array<double, kStoreyCount> storeys, std::array<bool, kStoreyCount> wooden) {
    c.WindCalcStandard = standard;
    c.V0Index = v0Index;
    c.RoughIndex = rough;
    c.BuildingHeight = height;
    c.Up_q = 1.0;
    c.FirstFloorLevel = floorLevel;
    c.FloorHeight = storeys;
    c.WoodenStorey = wooden;
    c.SnowEria = 0;
    c.UpdateVelocityPressure();
    c.UpdateMidHeights();
}

// The list starts with one default item; the first sample item replaces it.
void addItem(ColumnsData& columns, const ColumnMember& item, bool& first) {
    if (first) {
        columns.Item(0) = item;
        first = false;
    } else {
        columns.Append(item);
    }
}

void sawnLumberWind(SampleProject& p) {
    setCommon(p.common, 0, 2, 2, 7.5, 0.5, {3.0, 2.8, 0, 0}, {true, true, false, false});
    bool first = true;

    ColumnMember a = makeItem("１階外壁間柱", 105, 105, 2800, {12, 14, 16, 15, 14});
    ungradedSawn(a.ColumnMaterial, kUngradedSugi);
    placeInStorey(a, p.common, 1, 0.91);
    addItem(p.columns, a, first);

    ColumnMember b = makeItem("１階通し柱", 120, 120, 2900, {25, 30, 35, 25, 30});
    b.ColumnMaterial.SelectProduct = kSawnLumber;
    b.ColumnMaterial.ProductStandardNormal = 0; // visual grade
    b.ColumnMaterial.KindOfWood[0] = 5;         // ひのき
    b.ColumnMaterial.SelectGrade[0] = 1;        // 甲種２級
    b.FcvUpper = true;
    placeInStorey(b, p.common, 1, 1.82);
    addItem(p.columns, b, first);

    ColumnMember c = makeItem("２階外壁柱", 105, 105, 2700, {8, 10, 12, 8, 10});
    ungradedSawn(c.ColumnMaterial, kUngradedSugi);
    c.BaseMaterial.UseEndPosFcv = true;
    placeInStorey(c, p.common, 2, 0.91);
    addItem(p.columns, c, first);

    ColumnMember d = makeItem("独立柱（丸太）", 0, 150, 2800, {20, 24, 28, 20, 24});
    d.Shape = kRound;
    ungradedSawn(d.ColumnMaterial, kUngradedHinoki);
    ungradedSawn(d.BaseMaterial, kUngradedAkamatsu);
    d.BaseNameIndex = 1; // 土台
    ApplyAutoTenon(d);
    addItem(p.columns, d, first);

    ColumnMember e = makeItem("玄関ポーチ柱", 120, 120, 2600, {10, 12, 14, 10, 12});
    e.ColumnMaterial.SelectProduct = kSawnLumber;
    e.ColumnMaterial.ProductStandardNormal = 1; // machine grade
    e.ColumnMaterial.KindOfWood[0] = 9;         // すぎ
    e.ColumnMaterial.SelectGrade[0] = 2;        // E90
    e.FloorIndex = 0;
    e.HeightZ = 1.5;
    e.WindWidth = 1.365;
    e.CfDirect = true;
    e.Cf = 1.2;
    addItem(p.columns, e, first);
}

void dimensionLumber(SampleProject& p) {
    setCommon(p.common, 0, 0, 2, 0, 0.5, {2.9, 2.7, 0, 0}, {true, true, false, false});
    bool first = true;
    auto twoByFour = [](ColumnMember& item, int standard, int group, int grade, int sizeCode) {
        item.ColumnMaterial.SelectProduct = kDimensionLumber;
        item.ColumnMaterial.ProductStandard2x4 = standard;
        item.ColumnMaterial.KindOfWood[1] = group;
        item.ColumnMaterial.SelectGrade[1] = grade;
        item.SizeCode = sizeCode;
        item.BaseMaterial.SelectProduct = kDimensionLumber;
        item.BaseMaterial.KindOfWood[1] = 3; // S-P-F
        item.BaseMaterial.SelectGrade[1] = 2;
        ApplyAutoTenon(item);
    };

    ColumnMember a = makeItem("耐力壁端部 204×3", 38, 89, 2400, {10, 12, 14, 10, 12});
    a.Members = 3;
    twoByFour(a, 0, 3, 2, 204); // JAS S-P-F 甲種２級
    addItem(p.columns, a, first);

    ColumnMember b = makeItem("開口部まぐさ受け 206×2+1", 38, 140, 2400, {14, 16, 18, 14, 16});
    b.Members = 2;
    b.SubMembers = 1;
    twoByFour(b, 0, 0, 1, 206); // JAS Dfir-L 甲種１級
    addItem(p.columns, b, first);

    ColumnMember c = makeItem("MSR 204×2", 38, 89, 2400, {6, 7, 8, 6, 7});
    c.Members = 2;
    twoByFour(c, 1, 3, 6, 204); // US MSR 1650f-1.5E
    c.ColumnMaterial.UseMSR = true;
    addItem(p.columns, c, first);

    ColumnMember d = makeItem("カナダ Hem-Fir 208×2", 38, 184, 2400, {12, 14, 16, 12, 14});
    d.Members = 2;
    twoByFour(d, 2, 2, 2, 208); // Canada Hem-Fir No.2
    addItem(p.columns, d, first);
}

void glulamWind1458(SampleProject& p) {
    setCommon(p.common, 1, 3, 2, 9.0, 0.6, {3.2, 3.0, 0, 0}, {true, true, false, false});
    bool first = true;
    auto glulam = [](ColumnMember& item, int layUp, int grade, int species) {
        item.ColumnMaterial.SelectProduct = kGlulam;
        item.ColumnMaterial.LaminaCompositionIndex = layUp;
        item.ColumnMaterial.SelectGrade[2] = grade;
        item.ColumnMaterial.KindOfWood[2] = species;
        ApplyAutoTenon(item);
    };

    ColumnMember a = makeItem("集成材通し柱", 120, 240, 3000, {30, 36, 42, 30, 36});
    glulam(a, 1, 3, kLaminaBeimatsu); // 対称異等級構成 E120-F330
    placeInStorey(a, p.common, 1, 1.82);
    addItem(p.columns, a, first);

    ColumnMember b = makeItem("集成材管柱 同一等級", 105, 105, 2800, {15, 18, 21, 15, 18});
    glulam(b, 0, 8, kLaminaSugi); // 同一等級構成 4枚以上 E75-F270
    placeInStorey(b, p.common, 1, 0.91);
    addItem(p.columns, b, first);

    ColumnMember c = makeItem("集成材柱 非対称", 120, 150, 2800, {20, 24, 28, 20, 24});
    glulam(c, 3, 4, kLaminaKaramatsu); // 非対称異等級構成 E100-F285
    placeInStorey(c, p.common, 2, 0.91);
    addItem(p.columns, c, first);

    ColumnMember d = makeItem("吹抜け大断面柱", 150, 360, 5400, {40, 48, 56, 40, 48});
    glulam(d, 1, 4, kLaminaSugi); // 対称異等級構成 E105-F300
    d.ColumnMaterial.UnValuationLamina = true;
    d.LkyDirect = true;
    d.Lky = 2700;
    placeInStorey(d, p.common, 1, 1.365);
    addItem(p.columns, d, first);
}

void lvlWind(SampleProject& p) {
    setCommon(p.common, 0, 4, 1, 6.0, 0.5, {2.9, 2.7, 0, 0}, {true, true, false, false});
    bool first = true;
    auto lvl = [](ColumnMember& item, int grade, int shearClass, int species) {
        item.ColumnMaterial.SelectProduct = kLvl;
        item.ColumnMaterial.SelectGrade[3] = grade;
        item.ColumnMaterial.LVL_Shear_Index = shearClass;
        item.ColumnMaterial.KindOfWood[3] = species;
        ApplyAutoTenon(item);
    };

    ColumnMember a = makeItem("LVL管柱", 105, 105, 2800, {14, 16, 18, 14, 16});
    lvl(a, 10, 3, kLaminaSugi); // 120E １級, (50V-43H)
    placeInStorey(a, p.common, 1, 0.91);
    addItem(p.columns, a, first);

    ColumnMember b = makeItem("LVL縦長柱", 90, 360, 2800, {20, 24, 28, 20, 24});
    lvl(b, 4, 0, kLaminaBeimatsu); // 160E １級, (65V-55H)
    b.UseAxisX = true;
    placeInStorey(b, p.common, 1, 1.82);
    addItem(p.columns, b, first);
}

void glulamColumn(SampleProject& p) {
    setCommon(p.common, 0, 0, 2, 0, 0.5, {2.9, 2.7, 0, 0}, {true, true, false, false});
    bool first = true;
    auto column = [](ColumnMember& item, int species) {
        item.ColumnMaterial.SelectProduct = kGlulamColumn;
        item.ColumnMaterial.SelectGrade[4] = species;
        ApplyAutoTenon(item);
    };

    ColumnMember a = makeItem("化粧柱 すぎ", 105, 105, 2700, {15, 18, 21, 15, 18});
    column(a, kColumnSugi);
    addItem(p.columns, a, first);

    ColumnMember b = makeItem("化粧柱 ひのき めり込み省略", 120, 120, 2700, {20, 24, 28, 20, 24});
    column(b, kColumnHinoki);
    b.BaseMaterial.SelectProduct = kGlulamColumn; // めり込みの検討を省略
    addItem(p.columns, b, first);

    ColumnMember c = makeItem("化粧柱 適用範囲外", 150, 150, 2700, {15, 18, 21, 15, 18});
    column(c, kColumnHinoki);
    addItem(p.columns, c, first);
}

void mixedWithNg(SampleProject& p) {
    setCommon(p.common, 0, 2, 2, 8.0, 0.5, {3.0, 2.9, 0, 0}, {true, true, false, false});
    bool first = true;

    ColumnMember a = makeItem("１階柱 OK", 105, 105, 2800, {12, 14, 16, 12, 14});
    ungradedSawn(a.ColumnMaterial, kUngradedSugi);
    placeInStorey(a, p.common, 1, 0.91);
    addItem(p.columns, a, first);

    ColumnMember b = makeItem("１階柱 過大軸力", 105, 105, 2800, {45, 50, 55, 45, 50});
    ungradedSawn(b.ColumnMaterial, kUngradedSugi);
    placeInStorey(b, p.common, 1, 0.91);
    addItem(p.columns, b, first);

    ColumnMember c = makeItem("細長すぎる柱", 105, 105, 5000, {5, 5, 5, 5, 5});
    ungradedSawn(c.ColumnMaterial, kUngradedSugi);
    addItem(p.columns, c, first);

    ColumnMember d = makeItem("軸力未入力", 105, 105, 2800, {0, 0, 0, 0, 0});
    addItem(p.columns, d, first);
}

} // namespace

std::vector<SampleProject> buildSampleProjects() {
    struct Maker {
        const char* file;
        void (*build)(SampleProject&);
    };
    const Maker makers[] = {{"sawn-lumber-wind.tvp", sawnLumberWind}, {"dimension-lumber.tvp", dimensionLumber},
                            {"glulam-wind-1458.tvp", glulamWind1458}, {"lvl-wind.tvp", lvlWind},
                            {"glulam-column.tvp", glulamColumn},      {"mixed-with-ng.tvp", mixedWithNg}};
    std::vector<SampleProject> projects;
    projects.reserve(std::size(makers));
    for (const auto& maker : makers) {
        SampleProject& p = projects.emplace_back(SampleProject{maker.file, CommonData{}, ColumnsData{}});
        maker.build(p);
    }
    return projects;
}

void buildMixedProject(int count, CommonData& common, ColumnsData& columns) {
    const auto samples = buildSampleProjects();
    common.input() = samples[0].common.input();
    common.UpdateVelocityPressure();
    common.UpdateMidHeights();
    columns.Reset();
    std::vector<const ColumnMember*> pool;
    for (const auto& sample : samples) {
        for (int i = 0; i < sample.columns.Count(); ++i)
            pool.push_back(&sample.columns.Item(i));
    }
    for (int i = 0; i < count; ++i) {
        ColumnMember item = *pool[static_cast<std::size_t>(i) % pool.size()];
        if (item.WindWidth == 0) item.WindWidth = 0.91;
        if (item.HeightZ == 0) item.HeightZ = common.MidHeight[0];
        if (i == 0) {
            columns.Item(0) = item;
        } else {
            columns.Append(item);
        }
    }
}

} // namespace tarvo::samples
