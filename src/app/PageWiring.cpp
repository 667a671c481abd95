#include "app/PageWiring.h"

#include "app/Form1Ui.h"

namespace korv {

HeadRailWidgets headRailWidgets(const Form1Ui& ui)
{
    HeadRailWidgets w;
    w.SensorRadioGroup = ui.SensorRadioGroup;
    w.EdtLimitMinSensor = ui.EdtLimitMinSensor;
    w.EdtLimitMaxSensor = ui.EdtLimitMaxSensor;
    w.Faixa_Minima = ui.Faixa_Minima;
    w.Faixa_Maxima = ui.Faixa_Maxima;
    w.Span_Minimo = ui.Span_Minimo;
    w.EdtCorrigeZero = ui.EdtCorrigeZero;
    w.LblZeroMin = ui.LblZeroMin;
    w.LblZeroMax = ui.LblZeroMax;
    w.unitLabels = { ui.UnidMinSensor, ui.UnidMaxSensor, ui.UnidMinFaixaUsuario, ui.UnidMaxFaixaUsuario,
        ui.UnidFaixaMinima, ui.UnidZero, ui.UnidZeroLimitMin, ui.UnidZeroLimitMax };
    w.Forca_SaidaMin = ui.Forca_SaidaMin;
    w.Forca_SaidaMax = ui.Forca_SaidaMax;
    w.Freq_50 = ui.Freq_50;
    w.Freq_60 = ui.Freq_60;
    w.Config_Transmissor = ui.Config_Transmissor;
    w.EdtStatus = ui.EdtStatus;
    w.EdtStatRHT = ui.EdtStatRHT;
    return w;
}

HumidityWidgets humidityWidgets(const Form1Ui& ui)
{
    HumidityWidgets w;
    w.EdtLimInfRH = ui.EdtLimInfRH;
    w.EdtLimSupRH = ui.EdtLimSupRH;
    w.EdtCorrZeroRH = ui.EdtCorrZeroRH;
    w.MinRHRadioButton = ui.MinRHRadioButton;
    w.MaxRHRadioButton = ui.MaxRHRadioButton;
    w.ValorMinZeroRHLb = ui.ValorMinZeroRHLb;
    w.ValorMaxZeroRHLb = ui.ValorMaxZeroRHLb;
    w.rhLabels = { ui.RH1Lb, ui.RH2Lb, ui.RH3Lb, ui.RH4Lb, ui.RH5Lb, ui.RH6Lb, ui.RH7Lb };
    w.EdtLimInfTemp = ui.EdtLimInfTemp;
    w.EdtLimSupTemp = ui.EdtLimSupTemp;
    w.EdtCorrZeroTemp = ui.EdtCorrZeroTemp;
    w.MinTempRadioButton = ui.MinTempRadioButton;
    w.MaxTempRadioButton = ui.MaxTempRadioButton;
    w.ValorMinZeroTempLb = ui.ValorMinZeroTempLb;
    w.ValorMaxZeroTempLb = ui.ValorMaxZeroTempLb;
    w.tempLabels = { ui.Temp1Lb, ui.Temp2Lb, ui.Temp3Lb, ui.Temp4Lb, ui.Temp5Lb, ui.Temp6Lb, ui.Temp7Lb };
    w.Config_OrvHu = ui.Config_OrvHu;
    w.EdtStatRHT = ui.EdtStatRHT;
    w.ShowPVsMemo = ui.ShowPVsMemo;
    w.EnviaBarRHT = ui.EnviaBarRHT;
    return w;
}

AmbientWidgets ambientWidgets(const Form1Ui& ui)
{
    AmbientWidgets w;
    w.EdtTempLowLimit = ui.EdtTempLowLimit;
    w.EdtTempHighLimit = ui.EdtTempHighLimit;
    w.EdtTempZeroCorrection = ui.EdtTempZeroCorrection;
    w.MinFailOptionRadioButton = ui.MinFailOptionRadioButton;
    w.MaxFailOptionRadioButton = ui.MaxFailOptionRadioButton;
    w.TempUserOffsetInfValLb = ui.TempUserOffsetInfValLb;
    w.TempUserOffsetSupValLb = ui.TempUserOffsetSupValLb;
    w.unitLabels = { ui.Label7, ui.Label8, ui.Label9, ui.Label10, ui.Label17, ui.Label20, ui.Label28 };
    w.Config_TxT = ui.Config_TxT;
    w.EdtStatT = ui.EdtStatT;
    w.ShowTempPVMemo = ui.ShowTempPVMemo;
    w.EnviaBarT = ui.EnviaBarT;
    return w;
}

}  // namespace korv
