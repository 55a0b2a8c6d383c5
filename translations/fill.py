#!/usr/bin/python3
"""Fills the translation files with the translations kept here, for every message whose source
text is known and whose translation is still empty. Run after lupdate:

    lupdate -locations none -no-obsolete qml -ts translations/*.ts
    translations/fill.py
"""
import os
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))

# source: (EN, DE, FR, ES, PT, PO)
T = {
    "Cancel": ("Cancel", "Abbrechen", "Annuler", "Cancelar", "Cancelar", "Anuluj"),
    "Yes": ("Yes", "Ja", "Oui", "Sí", "Sim", "Tak"),
    "Would you like to quit?": ("Would you like to quit?", "Möchten Sie das Programm beenden?",
                                "Voulez-vous quitter ?", "¿Desea salir?", "Deseja sair?",
                                "Czy chcesz zakończyć?"),
    "Text": ("Text", "Text", "Texte", "Texto", "Texto", "Tekst"),
    "E01:温度控头故障,航空插头没插紧或探温棒损坏": (
        "E01: Temperature probe fault – connector loose or probe damaged",
        "E01: Temperaturfühler defekt – Stecker lose oder Fühler beschädigt",
        "E01 : défaut de sonde de température – connecteur desserré ou sonde endommagée",
        "E01: Fallo de la sonda de temperatura – conector suelto o sonda dañada",
        "E01: Falha na sonda de temperatura – conector solto ou sonda danificada",
        "E01: Usterka czujnika temperatury – luźne złącze lub uszkodzony czujnik"),
    "E02:发热板故障,开机后升温5分钟,温度变化没超过40℃/104°F": (
        "E02: Heating plate fault – after 5 minutes of heating the temperature rose less than 40℃/104°F",
        "E02: Heizplatte defekt – nach 5 Minuten Heizen stieg die Temperatur um weniger als 40℃/104°F",
        "E02 : défaut de plaque chauffante – après 5 minutes de chauffe, la température a augmenté de moins de 40℃/104°F",
        "E02: Fallo de la placa calefactora – tras 5 minutos de calentamiento la temperatura subió menos de 40℃/104°F",
        "E02: Falha na placa de aquecimento – após 5 minutos de aquecimento a temperatura subiu menos de 40℃/104°F",
        "E02: Usterka płyty grzejnej – po 5 minutach grzania temperatura wzrosła o mniej niż 40℃/104°F"),
    "E03:电磁铁故障,接线脱落或损坏": (
        "E03: Electromagnet fault – wire loose or damaged",
        "E03: Elektromagnet defekt – Leitung lose oder beschädigt",
        "E03 : défaut de l'électroaimant – câble desserré ou endommagé",
        "E03: Fallo del electroimán – cable suelto o dañado",
        "E03: Falha no eletroímã – fio solto ou danificado",
        "E03: Usterka elektromagnesu – luźny lub uszkodzony przewód"),
    "E04:应变片故障,接线脱落或损坏": (
        "E04: Strain gauge fault – wire loose or damaged",
        "E04: Dehnungsmessstreifen defekt – Leitung lose oder beschädigt",
        "E04 : défaut de la jauge de contrainte – câble desserré ou endommagé",
        "E04: Fallo de la galga extensométrica – cable suelto o dañado",
        "E04: Falha no extensômetro – fio solto ou danificado",
        "E04: Usterka tensometru – luźny lub uszkodzony przewód"),
    "E05:休眠状态,1小时无任何操作自动进入休眠并停止加热": (
        "E05: Sleep – no operation for 1 hour, heating stopped",
        "E05: Ruhezustand – 1 Stunde ohne Bedienung, Heizung gestoppt",
        "E05 : veille – aucune action pendant 1 heure, chauffe arrêtée",
        "E05: Reposo – 1 hora sin uso, calentamiento detenido",
        "E05: Repouso – 1 hora sem uso, aquecimento parado",
        "E05: Uśpienie – 1 godzina bez obsługi, grzanie zatrzymane"),
    "U盘": ("USB stick", "USB-Stick", "Clé USB", "Memoria USB", "Pen drive", "Pamięć USB"),
    "主界面": ("General", "Allgemein", "Général", "General", "Geral", "Ogólne"),
    "关于本机": ("About", "Über das Gerät", "À propos", "Acerca de", "Sobre", "O urządzeniu"),
    "准备中": ("Preparing", "Wird vorbereitet", "Préparation", "Preparando", "Preparando", "Przygotowanie"),
    "参数名称": ("Parameter", "Parameter", "Paramètre", "Parámetro", "Parâmetro", "Parametr"),
    "取消": ("Cancel", "Abbrechen", "Annuler", "Cancelar", "Cancelar", "Anuluj"),
    "后缀": ("Unit", "Einheit", "Unité", "Unidad", "Unidade", "Jednostka"),
    "售后": ("Service", "Kundendienst", "Service après-vente", "Servicio técnico", "Assistência", "Serwis"),
    "布艺": ("Fabric", "Stoff", "Tissu", "Tela", "Tecido", "Tkanina"),
    "应用": ("Apps", "Anwendungen", "Applications", "Aplicaciones", "Aplicações", "Aplikacje"),
    "当前未加载图形": ("No figure loaded", "Keine Grafik geladen", "Aucun motif chargé",
                  "Ningún diseño cargado", "Nenhum desenho carregado", "Nie wczytano grafiki"),
    "急停": ("EMERGENCY STOP", "NOT-HALT", "ARRÊT D'URGENCE", "PARADA DE EMERGENCIA",
           "PARADA DE EMERGÊNCIA", "STOP AWARYJNY"),
    "恢复出厂设置": ("Factory reset", "Werkseinstellungen", "Réglages d'usine",
               "Restablecer valores de fábrica", "Repor definições de fábrica", "Ustawienia fabryczne"),
    "操作指南": ("Instructions", "Anleitung", "Mode d'emploi", "Instrucciones", "Instruções", "Instrukcja"),
    "时间": ("Time", "Zeit", "Temps", "Tiempo", "Tempo", "Czas"),
    "标题": ("Title", "Titel", "Titre", "Título", "Título", "Tytuł"),
    "水晶": ("Crystal", "Kristall", "Cristal", "Cristal", "Cristal", "Kryształ"),
    "添加材质": ("Add material", "Material hinzufügen", "Ajouter un matériau", "Añadir material",
             "Adicionar material", "Dodaj materiał"),
    "清空": ("Clear", "Löschen", "Effacer", "Borrar", "Limpar", "Wyczyść"),
    "温度": ("Temperature", "Temperatur", "Température", "Temperatura", "Temperatura", "Temperatura"),
    "用户信息": ("Users", "Benutzer", "Utilisateurs", "Usuarios", "Utilizadores", "Użytkownicy"),
    "石板": ("Slate", "Schiefer", "Ardoise", "Pizarra", "Ardósia", "Łupek"),
    "确定": ("OK", "OK", "OK", "Aceptar", "OK", "OK"),
    "确认": ("Confirm", "Bestätigen", "Confirmer", "Confirmar", "Confirmar", "Potwierdź"),
    "设置": ("Settings", "Einstellungen", "Paramètres", "Ajustes", "Definições", "Ustawienia"),
    "请确认是否清空统计数据？": ("Clear the production statistics?", "Produktionsstatistik löschen?",
                     "Effacer les statistiques de production ?", "¿Borrar las estadísticas de producción?",
                     "Limpar as estatísticas de produção?", "Wyczyścić statystyki produkcji?"),
    "选择材质": ("Choose material", "Material wählen", "Choisir le matériau", "Elegir material",
             "Escolher material", "Wybierz materiał"),
    "金属板": ("Metal sheet", "Metallplatte", "Plaque métallique", "Placa metálica", "Chapa metálica",
            "Blacha"),
    # The work screen, the set-point pages and the material pages.
    "设定:": ("Set:", "Soll:", "Consigne :", "Ajuste:", "Ajuste:", "Zadana:"),
    "时间:": ("Time:", "Zeit:", "Temps :", "Tiempo:", "Tempo:", "Czas:"),
    "分段计时": ("Segments", "Segmente", "Segments", "Segmentos", "Segmentos", "Segmenty"),
    "压力": ("Pressure", "Druck", "Pression", "Presión", "Pressão", "Nacisk"),
    "启动": ("Start", "Start", "Marche", "Iniciar", "Iniciar", "Start"),
    "停止": ("Stop", "Stopp", "Arrêt", "Parar", "Parar", "Stop"),
    "产量": ("Pieces", "Stück", "Pièces", "Piezas", "Peças", "Sztuki"),
    "材质": ("Material", "Material", "Matériau", "Material", "Material", "Materiał"),
    "返回": ("Back", "Zurück", "Retour", "Volver", "Voltar", "Wstecz"),
    "删除倒计时": ("Delete countdown", "Countdown löschen", "Supprimer le décompte",
              "Eliminar cuenta atrás", "Excluir contagem", "Usuń odliczanie"),
    "删除第": ("Delete the preset time of segment ", "Vorgabezeit von Segment ",
            "Supprimer le temps du segment ", "¿Eliminar el tiempo del segmento ",
            "Excluir o tempo do segmento ", "Usunąć czas segmentu "),
    "段预设时间?": ("?", " löschen?", " ?", "?", "?", "?"),
    "设置温度℃": ("Set temperature ℃", "Temperatur ℃", "Température ℃", "Temperatura ℃",
              "Temperatura ℃", "Temperatura ℃"),
    "设置温度℉": ("Set temperature ℉", "Temperatur ℉", "Température ℉", "Temperatura ℉",
              "Temperatura ℉", "Temperatura ℉"),
    "时间设定 S": ("Set time S", "Zeit S", "Temps S", "Tiempo S", "Tempo S", "Czas S"),
    "输入错误": ("Input error", "Eingabefehler", "Erreur de saisie", "Error de entrada",
             "Erro de entrada", "Błąd wprowadzania"),
    "值不能为空": ("The value must not be empty", "Der Wert darf nicht leer sein",
              "La valeur ne peut pas être vide", "El valor no puede estar vacío",
              "O valor não pode estar vazio", "Wartość nie może być pusta"),
    "编辑名称": ("Edit name", "Name ändern", "Modifier le nom", "Editar nombre", "Editar nome",
             "Edytuj nazwę"),
    "材质名称错误": ("Material name error", "Materialname ungültig", "Nom de matériau invalide",
               "Nombre de material no válido", "Nome de material inválido",
               "Błędna nazwa materiału"),
    "材质名称不能为空": ("The material name must not be empty", "Der Materialname darf nicht leer sein",
                 "Le nom du matériau ne peut pas être vide",
                 "El nombre del material no puede estar vacío",
                 "O nome do material não pode estar vazio", "Nazwa materiału nie może być pusta"),
}
LANGS = {"EN": 0, "DE": 1, "FR": 2, "ES": 3, "PT": 4, "PO": 5}


def fill(path, column):
    tree = ET.parse(path)
    changed = 0
    for message in tree.getroot().iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        if source in T and translation is not None and translation.get("type") == "unfinished":
            translation.text = T[source][column]
            del translation.attrib["type"]
            changed += 1
    with open(path, "wb") as f:
        f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(f, encoding="utf-8", xml_declaration=False)
        f.write(b"\n")
    return changed


if __name__ == "__main__":
    for lang, column in LANGS.items():
        n = fill(os.path.join(HERE, "Translate_%s.ts" % lang), column)
        print("Translate_%s.ts: %d filled" % (lang, n))
