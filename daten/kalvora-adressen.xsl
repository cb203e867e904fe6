<?xml version="1.0" encoding="UTF-8"?>
<!-- Kalvora: the address export as a printable page, one table per group. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8" doctype-system="about:legacy-compat" indent="yes"/>

  <xsl:template match="/ADRESSBUCH">
    <html lang="de">
      <head>
        <meta charset="UTF-8"/>
        <title>Adressbuch</title>
        <style>
          body { font-family: "Liberation Sans", Arial, sans-serif; font-size: 10pt;
                 color: #222; margin: 1.5em; }
          h1 { font-size: 16pt; margin: 0 0 0.2em 0; color: #1f4e79; }
          .info { color: #666; margin-bottom: 1.2em; }
          h2 { font-size: 12pt; margin: 1.4em 0 0.4em 0; color: #1f4e79;
               border-bottom: 2px solid #1f4e79; }
          h2 .anzahl { font-weight: normal; color: #666; font-size: 10pt; }
          table { border-collapse: collapse; width: 100%; }
          th { text-align: left; background: #dfe8f3; padding: 3px 6px;
               border-bottom: 1px solid #9bb3cf; }
          td { padding: 3px 6px; vertical-align: top; border-bottom: 1px solid #e3e3e3; }
          tr:nth-child(even) td { background: #f7f9fc; }
          .name { font-weight: bold; }
          .klein { color: #555; }
          a { color: #1f5fa8; text-decoration: none; }
          footer { margin-top: 2em; color: #888; font-size: 8pt; }
          @media print {
            body { margin: 0; font-size: 9pt; }
            * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
            .gruppe { page-break-inside: auto; }
            tr { page-break-inside: avoid; }
            h2 { page-break-after: avoid; }
          }
        </style>
      </head>
      <body>
        <h1>Adressbuch</h1>
        <div class="info">
          Erstellt am <xsl:value-of select="DATEIINFOS/ERSTELLT_AM"/> um
          <xsl:value-of select="DATEIINFOS/ERSTELLT_UM"/> Uhr
        </div>
        <xsl:apply-templates select="GRUPPE"/>
        <footer>
          <xsl:value-of select="DATEIINFOS/COPYRIGHT"/> ·
          <xsl:value-of select="DATEIINFOS/VERSION"/>
        </footer>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="GRUPPE">
    <div class="gruppe">
      <h2>
        <xsl:value-of select="GRUPPENNAME"/>
        <span class="anzahl">
          (<xsl:value-of select="GRUPPENMITGLIEDSANZAHL"/>
          <xsl:choose>
            <xsl:when test="GRUPPENMITGLIEDSANZAHL = 1"> Eintrag</xsl:when>
            <xsl:otherwise> Einträge</xsl:otherwise>
          </xsl:choose>)
        </span>
      </h2>
      <xsl:if test="EINTRAG">
        <table>
          <tr><th>Name</th><th>Anschrift</th><th>Telefon</th><th>E-Mail und Internet</th>
            <th>Sonstiges</th></tr>
          <xsl:apply-templates select="EINTRAG"/>
        </table>
      </xsl:if>
    </div>
  </xsl:template>

  <xsl:template match="EINTRAG">
    <tr>
      <td>
        <div class="klein">
          <xsl:value-of select="ANREDE"/>
          <xsl:if test="TITEL != ''"><xsl:text> </xsl:text><xsl:value-of select="TITEL"/></xsl:if>
        </div>
        <div class="name">
          <xsl:value-of select="VORNAME"/>
          <xsl:if test="VORNAME != ''"><xsl:text> </xsl:text></xsl:if>
          <xsl:value-of select="NAME"/>
        </div>
      </td>
      <td>
        <xsl:if test="STRASSE != ''"><div><xsl:value-of select="STRASSE"/></div></xsl:if>
        <xsl:if test="POSTFACH != ''"><div>Postfach <xsl:value-of select="POSTFACH"/></div></xsl:if>
        <xsl:if test="PLZ != '' or ORT != ''">
          <div><xsl:value-of select="PLZ"/><xsl:text> </xsl:text><xsl:value-of select="ORT"/></div>
        </xsl:if>
        <xsl:if test="LAND != ''"><div><xsl:value-of select="LAND"/></div></xsl:if>
      </td>
      <td>
        <xsl:call-template name="zeile"><xsl:with-param name="was" select="'privat'"/>
          <xsl:with-param name="wert" select="TELEFON_PRIVAT"/></xsl:call-template>
        <xsl:call-template name="zeile"><xsl:with-param name="was" select="'geschäftlich'"/>
          <xsl:with-param name="wert" select="TELEFON_GESCHAEFTLICH"/></xsl:call-template>
        <xsl:call-template name="zeile"><xsl:with-param name="was" select="'Handy'"/>
          <xsl:with-param name="wert" select="HANDY"/></xsl:call-template>
        <xsl:call-template name="zeile"><xsl:with-param name="was" select="'Fax'"/>
          <xsl:with-param name="wert" select="FAXNUMMER"/></xsl:call-template>
      </td>
      <td>
        <xsl:for-each select="EMAIL-ADRESSEN/EMAIL-ADRESSE">
          <div><a href="mailto:{.}"><xsl:value-of select="."/></a></div>
        </xsl:for-each>
        <xsl:if test="HOMEPAGE != ''">
          <div><a href="{HOMEPAGE}"><xsl:value-of select="HOMEPAGE"/></a></div>
        </xsl:if>
        <xsl:call-template name="zeile"><xsl:with-param name="was" select="'ICQ'"/>
          <xsl:with-param name="wert" select="ICQ-NUMMER"/></xsl:call-template>
      </td>
      <td><xsl:value-of select="SONSTIGES"/></td>
    </tr>
  </xsl:template>

  <xsl:template name="zeile">
    <xsl:param name="was"/>
    <xsl:param name="wert"/>
    <xsl:if test="$wert != ''">
      <div><span class="klein"><xsl:value-of select="$was"/>: </span>
        <xsl:value-of select="$wert"/></div>
    </xsl:if>
  </xsl:template>
</xsl:stylesheet>
