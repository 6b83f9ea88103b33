// The logistic window: the graph screen, the cobweb run and the values listing.
#pragma once

#include "form.h"

class logistic : public zr::Form {
    Q_OBJECT
  public:
    static inline const QString Name = QStringLiteral("logistic");
    static void registerWindow(zr::Runtime& rt);
    explicit logistic(zr::Runtime& rt);

  protected:
    void Form_Load() override;
};
