// The platform is compiled into the program as a static plugin (see RenderPlatformPlugin).
#define QT_STATICPLUGIN
#include "metaview/export/render_platform.h"

#include <QFile>
#include <QStandardPaths>
#include <QtGui/private/qfreetypefontdatabase_p.h>
#include <QtGui/private/qunixeventdispatcher_qpa_p.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformintegrationplugin.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qwindowsysteminterface.h>

#include <array>
#include <utility>

extern const QStaticPlugin qt_static_plugin_RenderPlatformPlugin();

namespace metaview {

namespace {

constexpr char kPlatform[] = "kelvane-render";
// Characters a face lacks are looked for in the fallback; a family of this name, last in
// every fallback list, is reached only by a character no stand-in has.
constexpr char kFallback[] = "DejaVu Sans";
constexpr char kSystemFonts[] = "Kelvane System Fonts";

struct StandIn {
    const char* family;
    std::array<const char*, 4> files; // regular, bold, italic, bold italic
    bool fixedPitch = false;
};

// The faces font_mapping substitutes, as Debian's fonts-liberation2, fonts-liberation and
// fonts-dejavu-core install them under the shared data folders.
constexpr std::array kStandIns = {
    StandIn{"Liberation Sans",
            {"liberation2/LiberationSans-Regular.ttf", "liberation2/LiberationSans-Bold.ttf",
             "liberation2/LiberationSans-Italic.ttf", "liberation2/LiberationSans-BoldItalic.ttf"}},
    StandIn{"Liberation Serif",
            {"liberation2/LiberationSerif-Regular.ttf", "liberation2/LiberationSerif-Bold.ttf",
             "liberation2/LiberationSerif-Italic.ttf",
             "liberation2/LiberationSerif-BoldItalic.ttf"}},
    StandIn{"Liberation Mono",
            {"liberation2/LiberationMono-Regular.ttf", "liberation2/LiberationMono-Bold.ttf",
             "liberation2/LiberationMono-Italic.ttf", "liberation2/LiberationMono-BoldItalic.ttf"},
            true},
    StandIn{"Liberation Sans Narrow",
            {"liberation/LiberationSansNarrow-Regular.ttf",
             "liberation/LiberationSansNarrow-Bold.ttf",
             "liberation/LiberationSansNarrow-Italic.ttf",
             "liberation/LiberationSansNarrow-BoldItalic.ttf"}},
    StandIn{"DejaVu Sans",
            {"dejavu/DejaVuSans.ttf", "dejavu/DejaVuSans-Bold.ttf", "dejavu/DejaVuSans-Oblique.ttf",
             "dejavu/DejaVuSans-BoldOblique.ttf"}},
};

// Where a stand-in's file is installed; empty when it is not.
QString InstalledPath(const char* relative) {
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("fonts/truetype/") + QLatin1String(relative));
}

const StandIn* FindStandIn(const QString& family) {
    for (const StandIn& s : kStandIns)
        if (family.compare(QLatin1String(s.family), Qt::CaseInsensitive) == 0) return &s;
    return nullptr;
}

std::function<void()>& SystemFontsNeeded() {
    static std::function<void()> call;
    return call;
}

void NeedSystemFonts() {
    if (auto call = std::exchange(SystemFontsNeeded(), nullptr)) call();
}

// The stand-ins' families are listed at once and their files opened when first drawn with.
class StandInFonts final : public QFreeTypeFontDatabase {
public:
    void populateFontDatabase() override {
        for (const StandIn& s : kStandIns)
            if (!InstalledPath(s.files[0]).isEmpty()) registerFontFamily(QLatin1String(s.family));
        registerFontFamily(QLatin1String(kSystemFonts));
    }
    void populateFamily(const QString& family) override {
        if (const StandIn* s = FindStandIn(family))
            RegisterStyles(*s);
        else
            NeedSystemFonts();
    }
    bool populateFamilyAliases(const QString& missing) override {
        if (!Known(missing)) NeedSystemFonts();
        return false;
    }
    QString resolveFontFamilyAlias(const QString& family) const override {
        if (!Known(family)) NeedSystemFonts();
        return family;
    }
    QStringList fallbacksForFamily(const QString&, QFont::Style, QFont::StyleHint,
                                   QChar::Script) const override {
        return {QLatin1String(kFallback), QLatin1String(kSystemFonts)};
    }
    QFont defaultFont() const override { return QFont(QStringLiteral("Liberation Sans")); }

private:
    // The regular face is read for what it covers; the other styles are opened only when
    // drawn with, which a thumbnail seldom does.
    static void RegisterStyles(const StandIn& s) {
        const QString regular = InstalledPath(s.files[0]);
        if (regular.isEmpty()) return;
        addTTFile(QByteArray(), QFile::encodeName(regular));
        static constexpr std::array kStyles = {
            std::pair{QFont::Bold, QFont::StyleNormal},
            std::pair{QFont::Normal, QFont::StyleItalic},
            std::pair{QFont::Bold, QFont::StyleItalic},
        };
        static constexpr std::array kNames = {"Bold", "Italic", "Bold Italic"};
        for (std::size_t i = 0; i < kStyles.size(); ++i)
            if (const QString path = InstalledPath(s.files[i + 1]); !path.isEmpty())
                registerFont(QLatin1String(s.family), QLatin1String(kNames[i]), QString(),
                             kStyles[i].first, kStyles[i].second, QFont::Unstretched, true, true, 0,
                             s.fixedPitch, QSupportedWritingSystems(), new FontFile{path, 0});
    }
    static bool Known(const QString& family) {
        return family.isEmpty() || FindStandIn(family) ||
               family.compare(QLatin1String(kSystemFonts), Qt::CaseInsensitive) == 0;
    }
};

// The minimal platform's screen, so that images and fonts get the resolution they get there.
class RenderScreen final : public QPlatformScreen {
public:
    QRect geometry() const override { return {0, 0, 800, 600}; }
    int depth() const override { return 32; }
    QImage::Format format() const override { return QImage::Format_ARGB32_Premultiplied; }
};

class RenderIntegration final : public QPlatformIntegration {
public:
    void initialize() override {
        QWindowSystemInterface::handleScreenAdded(new RenderScreen, true);
    }
    QPlatformWindow* createPlatformWindow(QWindow*) const override { return nullptr; }
    QPlatformBackingStore* createPlatformBackingStore(QWindow*) const override { return nullptr; }
    QAbstractEventDispatcher* createEventDispatcher() const override {
        return new QUnixEventDispatcherQPA;
    }
    QPlatformFontDatabase* fontDatabase() const override { return &m_fonts; }

private:
    mutable StandInFonts m_fonts;
};

} // namespace

} // namespace metaview

// Built in: the platform is part of the program, with nothing to install beside it.
class RenderPlatformPlugin : public QPlatformIntegrationPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QPlatformIntegrationFactoryInterface_iid FILE "render_platform.json")
public:
    QPlatformIntegration* create(const QString& key, const QStringList&) override {
        return key == QLatin1String(metaview::kPlatform) ? new metaview::RenderIntegration
                                                         : nullptr;
    }
};

namespace metaview {

bool UseRenderPlatform(std::function<void()> systemFontsNeeded) {
    const StandIn* fallback = FindStandIn(QLatin1String(kFallback));
    if (InstalledPath(kStandIns[0].files[0]).isEmpty() ||
        InstalledPath(fallback->files[0]).isEmpty())
        return false;
    SystemFontsNeeded() = std::move(systemFontsNeeded);
    qRegisterStaticPluginFunction(qt_static_plugin_RenderPlatformPlugin());
    qputenv("QT_QPA_PLATFORM", kPlatform);
    return true;
}

} // namespace metaview

#include "render_platform.moc"
