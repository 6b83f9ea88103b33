// The sieve window: Sierpinski's random-vertex game.
#pragma once

#include "form.h"

class Sierpinski : public zr::Form {
    Q_OBJECT
  public:
    static inline const QString Name = QStringLiteral("Sierpinski");
    static void registerWindow(zr::Runtime& rt);
    explicit Sierpinski(zr::Runtime& rt);

  protected:
    void Form_Load() override;
};
