// The application's style: the platform's own, with its standard icons read
// when first drawn rather than when first asked for. The menu bar asks at
// once for the icon of a button it shows only when its menus do not fit,
// and reading that image would cost the window's start more than any of
// its own elements.
#pragma once

#include <QProxyStyle>

namespace celforo::qt {

class WindowStyle : public QProxyStyle {
  Q_OBJECT
public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override;
};

}  // namespace celforo::qt
