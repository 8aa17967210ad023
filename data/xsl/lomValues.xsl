<?xml version="1.0" encoding="UTF-8"?>
<!--
  Value rules of the SCORM 1.2 to SCORM 2004 conversion: how one IMS Meta-Data 1.2 value (a langstring, a
  language, a vocabulary pair, an identifier, a person) is written in the IEEE LOM binding, and which
  extension elements are kept. Dates and durations are in lomDates.xsl, vCards in lomVcard.xsl. Included by
  lomRecord.xsl; pure XSLT 1.0, no extension functions.

  Elements of the record are matched by local name in any case, in the IMS Meta-Data 1.2 namespaces or in no
  namespace, with or without a prefix. A name is compared in any case by translating only the capitals of
  its own letters (translate(local-name(), 'TILE', 'tile') = 'title'): a name that reads as it in any case
  reads as it so, any other does not, and translate() is far quicker over a few letters than over the
  alphabet.
-->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns="http://ltsc.ieee.org/xsd/LOM">

  <!-- Elements of other namespaces (extensions) are copied into the LOM record where the binding leaves room
       for them. The manifest conversion switches this off: its schema allows no extension inside <lom>. -->
  <xsl:variable name="lom.keepForeign" select="true()"/>

  <xsl:variable name="lom.ns" select="'http://ltsc.ieee.org/xsd/LOM'"/>
  <!-- The namespaces read as IMS Meta-Data 1.2, "||" standing for no namespace. -->
  <xsl:variable name="md.ns"
      select="'||http://www.imsglobal.org/xsd/imsmd_rootv1p2p1|http://www.imsglobal.org/xsd/imsmd_v1p2|http://www.imsproject.org/xsd/imsmd_rootv1p2p1|'"/>
  <xsl:variable name="uc" select="'ABCDEFGHIJKLMNOPQRSTUVWXYZ'"/>
  <xsl:variable name="lc" select="'abcdefghijklmnopqrstuvwxyz'"/>
  <xsl:variable name="nl" select="'&#10;'"/>

  <!-- Vocabularies: "|key=LOM value|", the key being the 1.2 value in lower case without blanks, "-" or "_".
       The LOM values themselves are keys too, so a value already in LOM form passes. -->
  <xsl:variable name="v.structure"
      select="'|atomic=atomic|collection=collection|networked=networked|hierarchical=hierarchical|linear=linear|mixed=networked|branched=hierarchical|parceled=collection|parcelled=collection|'"/>
  <xsl:variable name="v.aggregationLevel" select="'|1=1|2=2|3=3|4=4|'"/>
  <xsl:variable name="v.status"
      select="'|draft=draft|final=final|revised=revised|unavailable=unavailable|'"/>
  <xsl:variable name="v.role"
      select="'|author=author|publisher=publisher|unknown=unknown|initiator=initiator|terminator=terminator|validator=validator|editor=editor|graphicaldesigner=graphical designer|technicalimplementer=technical implementer|contentprovider=content provider|technicalvalidator=technical validator|educationalvalidator=educational validator|scriptwriter=script writer|instructionaldesigner=instructional designer|subjectmatterexpert=subject matter expert|'"/>
  <xsl:variable name="v.roleMeta" select="'|creator=creator|validator=validator|'"/>
  <xsl:variable name="v.type"
      select="'|operatingsystem=operating system|os=operating system|browser=browser|'"/>
  <xsl:variable name="v.os"
      select="'|pcdos=pc-dos|dos=pc-dos|mswindows=ms-windows|windows=ms-windows|macos=macos|mac=macos|unix=unix|linux=unix|multios=multi-os|none=none|'"/>
  <xsl:variable name="g.os" select="'|darwin=macos|osx=macos|mac=macos|win=ms-windows|linux=unix|unix=unix|solaris=unix|bsd=unix|dos=pc-dos|'"/>
  <xsl:variable name="v.browser"
      select="'|any=any|netscapecommunicator=netscape communicator|netscape=netscape communicator|msinternetexplorer=ms-internet explorer|microsoftinternetexplorer=ms-internet explorer|internetexplorer=ms-internet explorer|msie=ms-internet explorer|ie=ms-internet explorer|opera=opera|amaya=amaya|'"/>
  <xsl:variable name="g.browser"
      select="'|explorer=ms-internet explorer|msie=ms-internet explorer|netscape=netscape communicator|opera=opera|amaya=amaya|'"/>
  <xsl:variable name="v.interactivityType"
      select="'|active=active|expositive=expositive|mixed=mixed|'"/>
  <xsl:variable name="v.resourceType"
      select="'|exercise=exercise|simulation=simulation|questionnaire=questionnaire|diagram=diagram|figure=figure|graph=graph|index=index|slide=slide|table=table|narrativetext=narrative text|exam=exam|experiment=experiment|problemstatement=problem statement|selfassessment=self assessment|selfassesment=self assessment|lecture=lecture|'"/>
  <xsl:variable name="v.level"
      select="'|verylow=very low|low=low|medium=medium|high=high|veryhigh=very high|'"/>
  <xsl:variable name="v.endUserRole"
      select="'|teacher=teacher|author=author|learner=learner|manager=manager|'"/>
  <xsl:variable name="v.context"
      select="'|school=school|highereducation=higher education|training=training|other=other|primaryeducation=school|secondaryeducation=school|universityfirstcycle=higher education|universitysecondcycle=higher education|universitypostgrade=higher education|technicalschoolfirstcycle=training|technicalschoolsecondcycle=training|professionalformation=training|continuousformation=training|vocationaltraining=training|'"/>
  <xsl:variable name="g.context"
      select="'|technical=training|vocational=training|professional=training|formation=training|continu=training|training=training|univers=higher education|college=higher education|higher=higher education|postgrad=higher education|undergrad=higher education|tertiary=higher education|primary=school|secondary=school|elementary=school|kindergarten=school|school=school|'"/>
  <xsl:variable name="v.difficulty"
      select="'|veryeasy=very easy|easy=easy|medium=medium|difficult=difficult|verydifficult=very difficult|'"/>
  <xsl:variable name="v.yesNo" select="'|yes=yes|no=no|'"/>
  <xsl:variable name="v.kind"
      select="'|ispartof=ispartof|haspart=haspart|isversionof=isversionof|hasversion=hasversion|isformatof=isformatof|hasformat=hasformat|references=references|isreferencedby=isreferencedby|isbasedon=isbasedon|isbasisfor=isbasisfor|requires=requires|isrequiredby=isrequiredby|'"/>
  <xsl:variable name="v.purpose"
      select="'|discipline=discipline|idea=idea|prerequisite=prerequisite|educationalobjective=educational objective|accessibilityrestrictions=accessibility restrictions|accessibility=accessibility restrictions|educationallevel=educational level|skilllevel=skill level|securitylevel=security level|competency=competency|'"/>

  <!-- ===== Text ===== -->

  <!-- The text without the blanks, tabs and line ends around it; those inside stay. -->
  <xsl:template name="lom.trim">
    <xsl:param name="text"/>
    <xsl:variable name="first" select="substring(normalize-space($text), 1, 1)"/>
    <xsl:if test="$first != ''">
      <xsl:call-template name="lom.trimEnd">
        <xsl:with-param name="text"
            select="substring($text, string-length(substring-before($text, $first)) + 1)"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- The text up to its last character that is not white space, found by halving the range in which that
       character lies, so that a long run of trailing blanks costs few steps. -->
  <xsl:template name="lom.trimEnd">
    <xsl:param name="text"/>
    <xsl:param name="lo" select="1"/>
    <xsl:param name="hi" select="string-length($text) + 1"/>
    <xsl:variable name="mid" select="floor(($lo + $hi) div 2)"/>
    <xsl:choose>
      <xsl:when test="$hi - $lo &lt;= 1"><xsl:value-of select="substring($text, 1, $lo)"/></xsl:when>
      <xsl:when test="normalize-space(substring($text, $mid)) != ''">
        <xsl:call-template name="lom.trimEnd">
          <xsl:with-param name="text" select="$text"/>
          <xsl:with-param name="lo" select="$mid"/>
          <xsl:with-param name="hi" select="$hi"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise>
        <xsl:call-template name="lom.trimEnd">
          <xsl:with-param name="text" select="$text"/>
          <xsl:with-param name="lo" select="$lo"/>
          <xsl:with-param name="hi" select="$mid"/>
        </xsl:call-template>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A language tag as XML Schema types it (letters, then parts of letters and digits, 1 to 8 each); "_"
       is read as "-". Anything else gives an empty text, and the caller leaves the language out. -->
  <xsl:template name="lom.language">
    <xsl:param name="raw"/>
    <xsl:variable name="tag" select="translate(normalize-space($raw), '_', '-')"/>
    <xsl:variable name="ok">
      <xsl:call-template name="lom.languageParts">
        <xsl:with-param name="rest" select="$tag"/>
        <xsl:with-param name="chars" select="concat($uc, $lc)"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:if test="$ok = 'ok'"><xsl:value-of select="$tag"/></xsl:if>
  </xsl:template>

  <xsl:template name="lom.languageParts">
    <xsl:param name="rest"/>
    <xsl:param name="chars"/>
    <xsl:variable name="part" select="substring-before(concat($rest, '-'), '-')"/>
    <xsl:choose>
      <xsl:when test="string-length($part) &lt; 1 or string-length($part) &gt; 8"/>
      <xsl:when test="translate($part, $chars, '') != ''"/>
      <xsl:when test="contains($rest, '-')">
        <xsl:call-template name="lom.languageParts">
          <xsl:with-param name="rest" select="substring-after($rest, '-')"/>
          <xsl:with-param name="chars" select="concat($uc, $lc, '0123456789')"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise>ok</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- One <string> per langstring of the given 1.2 elements (or per <string> where a record uses the LOM
       form, its language in a language attribute); an element holding text but no langstring gives one
       <string> without a language. The langstring or element $skip is left out. -->
  <xsl:template name="lom.strings">
    <xsl:param name="src"/>
    <xsl:param name="skip" select="/.."/>
    <xsl:for-each select="$src[count(. | $skip) != count($skip)]">
      <xsl:variable name="ls"
          select="*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), 'LANGSTRI', 'langstri') = 'langstring' or translate(local-name(), 'STRING', 'string') = 'string']"/>
      <xsl:choose>
        <xsl:when test="$ls">
          <xsl:for-each select="$ls[count(. | $skip) != count($skip)]">
            <xsl:variable name="language">
              <xsl:call-template name="lom.language"><xsl:with-param name="raw" select="(@xml:lang | @language)[1]"/></xsl:call-template>
            </xsl:variable>
            <string>
              <xsl:if test="$language != ''"><xsl:attribute name="language"><xsl:value-of select="$language"/></xsl:attribute></xsl:if>
              <xsl:call-template name="lom.from"/>
              <xsl:call-template name="lom.trim"><xsl:with-param name="text" select="string(.)"/></xsl:call-template>
            </string>
          </xsl:for-each>
        </xsl:when>
        <xsl:when test="normalize-space(.) != ''">
          <string><xsl:call-template name="lom.from"/><xsl:call-template name="lom.trim"><xsl:with-param name="text" select="string(.)"/></xsl:call-template></string>
        </xsl:when>
      </xsl:choose>
    </xsl:for-each>
  </xsl:template>

  <!-- One LOM language-string element named $name holding the strings of all the given 1.2 elements;
       nothing when there is no such element. -->
  <xsl:template name="lom.langString">
    <xsl:param name="src"/>
    <xsl:param name="name"/>
    <xsl:if test="$src">
      <xsl:element name="{$name}" namespace="{$lom.ns}">
        <xsl:call-template name="lom.strings"><xsl:with-param name="src" select="$src"/></xsl:call-template>
      </xsl:element>
    </xsl:if>
  </xsl:template>

  <!-- The single text of a 1.2 element that holds one: its first langstring (or LOM string) with text, or
       its own text. -->
  <xsl:template name="lom.text">
    <xsl:param name="node"/>
    <xsl:variable name="ls"
        select="$node/*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), 'LANGSTRI', 'langstri') = 'langstring' or translate(local-name(), 'STRING', 'string') = 'string'][normalize-space(.) != '']"/>
    <xsl:choose>
      <xsl:when test="$ls"><xsl:value-of select="normalize-space($ls[1])"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="normalize-space($node)"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- One <language> per 1.2 language that holds a valid tag; the others are left out. -->
  <xsl:template name="lom.languages">
    <xsl:param name="src"/>
    <xsl:for-each select="$src">
      <xsl:variable name="language">
        <xsl:call-template name="lom.language"><xsl:with-param name="raw" select="."/></xsl:call-template>
      </xsl:variable>
      <xsl:if test="$language != ''"><language><xsl:call-template name="lom.from"/><xsl:value-of select="$language"/></language></xsl:if>
    </xsl:for-each>
  </xsl:template>

  <!-- ===== Vocabularies ===== -->

  <!-- A 1.2 vocabulary element (source and value) as the LOM element $name with source "LOMv1.0" and the LOM
       value that $table gives for it. A value missing from the table takes the first $guesses rule whose key
       part it contains, else $fallback. A value of another vocabulary (a source that does not name LOM) that
       is not in the table is kept with its own source when extensions are kept; so is a value of a LOM
       profile's vocabulary that none of those gives a LOM value for. Otherwise, or for an empty value, the
       element is left out. -->
  <xsl:template name="lom.vocab">
    <xsl:param name="node"/>
    <xsl:param name="name"/>
    <xsl:param name="table"/>
    <xsl:param name="guesses" select="''"/>
    <xsl:param name="fallback" select="''"/>
    <xsl:variable name="raw">
      <xsl:call-template name="lom.vocabPart"><xsl:with-param name="node" select="$node"/><xsl:with-param name="part" select="'value'"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="source">
      <xsl:call-template name="lom.vocabPart"><xsl:with-param name="node" select="$node"/><xsl:with-param name="part" select="'source'"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="value">
      <xsl:call-template name="lom.lookup">
        <xsl:with-param name="raw" select="$raw"/>
        <xsl:with-param name="table" select="$table"/>
        <xsl:with-param name="guesses" select="$guesses"/>
        <xsl:with-param name="fallback" select="$fallback"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="sourceKey" select="translate($source, concat($uc, ' -_'), $lc)"/>
    <xsl:variable name="own" select="$lom.keepForeign and $sourceKey != '' and not(contains($sourceKey, 'lom'))"/>
    <!-- The vocabulary of a LOM profile ("LOM-ESv1.0"), not LOM's own ("LOMv1.0", "LOM v1.0", "IEEE LOM"). -->
    <xsl:variable name="profile"
        select="$lom.keepForeign and contains($sourceKey, 'lom') and not(starts-with($sourceKey, 'lomv') or $sourceKey = 'lom' or contains($sourceKey, 'ieeelom'))"/>
    <xsl:choose>
      <xsl:when test="$raw = ''"/>
      <xsl:when test="$own and string-length(substring-before(substring-after($table, concat('|', translate($raw, concat($uc, ' -_'), $lc), '=')), '|')) = 0">
        <xsl:element name="{$name}" namespace="{$lom.ns}">
          <xsl:call-template name="lom.from"><xsl:with-param name="nodes" select="$node[1]"/></xsl:call-template>
          <source><xsl:value-of select="$source"/></source>
          <value><xsl:value-of select="$raw"/></value>
        </xsl:element>
      </xsl:when>
      <xsl:when test="$value != ''">
        <xsl:element name="{$name}" namespace="{$lom.ns}">
          <xsl:call-template name="lom.from"><xsl:with-param name="nodes" select="$node[1]"/></xsl:call-template>
          <source>LOMv1.0</source>
          <value><xsl:value-of select="$value"/></value>
        </xsl:element>
      </xsl:when>
      <xsl:when test="$profile">
        <xsl:element name="{$name}" namespace="{$lom.ns}">
          <xsl:call-template name="lom.from"><xsl:with-param name="nodes" select="$node[1]"/></xsl:call-template>
          <source><xsl:value-of select="$source"/></source>
          <value><xsl:value-of select="$raw"/></value>
        </xsl:element>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- The LOM value of a 1.2 value: from the table, else from the first guess rule, else the fallback. -->
  <xsl:template name="lom.lookup">
    <xsl:param name="raw"/>
    <xsl:param name="table"/>
    <xsl:param name="guesses" select="''"/>
    <xsl:param name="fallback" select="''"/>
    <xsl:variable name="key" select="translate($raw, concat($uc, ' -_'), $lc)"/>
    <xsl:variable name="listed" select="substring-before(substring-after($table, concat('|', $key, '=')), '|')"/>
    <xsl:variable name="guessed">
      <xsl:if test="$listed = '' and $key != ''">
        <xsl:call-template name="lom.guess">
          <xsl:with-param name="key" select="$key"/>
          <xsl:with-param name="rules" select="substring-after($guesses, '|')"/>
        </xsl:call-template>
      </xsl:if>
    </xsl:variable>
    <xsl:choose>
      <xsl:when test="$key = ''"/>
      <xsl:when test="$listed != ''"><xsl:value-of select="$listed"/></xsl:when>
      <xsl:when test="$guessed != ''"><xsl:value-of select="$guessed"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$fallback"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="lom.guess">
    <xsl:param name="key"/>
    <xsl:param name="rules"/>
    <xsl:variable name="rule" select="substring-before($rules, '|')"/>
    <xsl:choose>
      <xsl:when test="$rule = ''"/>
      <xsl:when test="contains($key, substring-before($rule, '='))"><xsl:value-of select="substring-after($rule, '=')"/></xsl:when>
      <xsl:otherwise>
        <xsl:call-template name="lom.guess">
          <xsl:with-param name="key" select="$key"/>
          <xsl:with-param name="rules" select="substring-after($rules, '|')"/>
        </xsl:call-template>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The source or value text of the first given 1.2 vocabulary element. Source and value wrapped in a
       <vocabulary> are read as if they stood in the element itself. A vocabulary written as bare text,
       without source and value, is read as its value. -->
  <xsl:template name="lom.vocabPart">
    <xsl:param name="node"/>
    <xsl:param name="part"/>
    <xsl:variable name="wrapper"
        select="$node[1]/*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), 'VOCABULRY', 'vocabulry') = 'vocabulary'][1]"/>
    <xsl:variable name="v" select="$wrapper | $node[1][not($wrapper)]"/>
    <xsl:variable name="kids" select="$v/*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:choose>
      <xsl:when test="$kids[translate(local-name(), $uc, $lc) = $part]">
        <xsl:call-template name="lom.text"><xsl:with-param name="node" select="$kids[translate(local-name(), $uc, $lc) = $part][1]"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$part = 'value' and not($v/*)"><xsl:value-of select="normalize-space($v)"/></xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Identifiers and people ===== -->

  <!-- A 1.2 catalogentry, or an identifier in the LOM form (catalog and entry), as <identifier> with catalog
       and entry; a 1.2 identifier (a bare text) as an <identifier> with its entry only. -->
  <xsl:template name="lom.identifiers">
    <xsl:param name="src"/>
    <xsl:for-each select="$src">
      <xsl:variable name="kids" select="*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
      <xsl:choose>
        <xsl:when test="translate(local-name(), 'IDENTFR', 'identfr') = 'identifier' and not($kids[translate(local-name(), 'CATLOG', 'catlog') = 'catalog' or translate(local-name(), 'ENTRY', 'entry') = 'entry'])">
          <xsl:if test="normalize-space(.) != ''">
            <identifier><entry><xsl:call-template name="lom.from"/><xsl:value-of select="normalize-space(.)"/></entry></identifier>
          </xsl:if>
        </xsl:when>
        <xsl:otherwise>
          <identifier>
            <xsl:for-each select="$kids[translate(local-name(), 'CATLOG', 'catlog') = 'catalog'][1]">
              <catalog><xsl:call-template name="lom.from"/><xsl:value-of select="normalize-space(.)"/></catalog>
            </xsl:for-each>
            <xsl:for-each select="$kids[translate(local-name(), 'ENTRY', 'entry') = 'entry'][1]">
              <xsl:variable name="ls"
                  select="*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), 'LANGSTRI', 'langstri') = 'langstring' or translate(local-name(), 'STRING', 'string') = 'string'][normalize-space(.) != '']"/>
              <entry>
                <xsl:call-template name="lom.from"><xsl:with-param name="nodes" select="$ls[1] | self::node()[not($ls)]"/></xsl:call-template>
                <xsl:call-template name="lom.text"><xsl:with-param name="node" select="."/></xsl:call-template>
              </entry>
            </xsl:for-each>
            <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="."/></xsl:call-template>
          </identifier>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:for-each>
  </xsl:template>

  <!-- One <entity> per vCard of the given 1.2 centity or person elements, or LOM entity elements (their
       vcard children, or their own text when they hold no vcard); $max limits the count. -->
  <xsl:template name="lom.entities">
    <xsl:param name="src"/>
    <xsl:param name="max" select="1000000"/>
    <xsl:variable name="cards"
        select="$src/*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), 'VCARD', 'vcard') = 'vcard'][normalize-space(.) != '']
                | $src[not(*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), 'VCARD', 'vcard') = 'vcard'])][normalize-space(.) != '']"/>
    <xsl:for-each select="$cards[position() &lt;= $max]">
      <entity><xsl:call-template name="lom.from"/><xsl:call-template name="lom.vcard"><xsl:with-param name="text" select="string(.)"/></xsl:call-template></entity>
    </xsl:for-each>
  </xsl:template>

  <!-- ===== Extensions ===== -->

  <!-- Copies of the elements of other namespaces among the children of $parents, when extensions are kept. -->
  <xsl:template name="lom.foreign">
    <xsl:param name="parents"/>
    <xsl:if test="$lom.keepForeign">
      <xsl:variable name="foreign" select="$parents/*[not(contains($md.ns, concat('|', namespace-uri(), '|'))) and namespace-uri() != $lom.ns]"/>
      <xsl:call-template name="lom.from"><xsl:with-param name="nodes" select="$foreign"/></xsl:call-template>
      <xsl:apply-templates mode="lom.foreign" select="$foreign"/>
    </xsl:if>
  </xsl:template>

  <!-- Rebuilt rather than copied, so that only the namespaces an element uses are declared on it. -->
  <xsl:template match="*" mode="lom.foreign">
    <xsl:element name="{name()}" namespace="{namespace-uri()}">
      <xsl:for-each select="@*">
        <xsl:attribute name="{name()}" namespace="{namespace-uri()}"><xsl:value-of select="."/></xsl:attribute>
      </xsl:for-each>
      <xsl:apply-templates mode="lom.foreign"/>
    </xsl:element>
  </xsl:template>

  <xsl:template match="text()" mode="lom.foreign"><xsl:value-of select="."/></xsl:template>
  <xsl:template match="comment() | processing-instruction()" mode="lom.foreign"/>

  <!-- ===== What the record carries over ===== -->

  <!-- A mark of the source elements that the output carries over (by default the context node): a
       processing instruction "lomshift-from" naming them by their generate-id(). lomshift takes the marks
       out of the converted document and names each element of the source that holds text and that no mark
       covers, itself or through an element around it, as left out. -->
  <xsl:template name="lom.from">
    <xsl:param name="nodes" select="."/>
    <xsl:if test="$nodes">
      <xsl:processing-instruction name="lomshift-from">
        <xsl:for-each select="$nodes"><xsl:value-of select="concat(generate-id(), ' ')"/></xsl:for-each>
      </xsl:processing-instruction>
    </xsl:if>
  </xsl:template>

  <!-- After the converted document: the ids of every element of the source in document order
       ("lomshift-ids"), by which lomshift finds the elements the marks name, and the namespaces read as IMS
       Meta-Data 1.2 ("lomshift-vocabularies", as $md.ns lists them), in which lomshift counts a vocabulary
       whose value is empty as carried over: a source without a value holds nothing to carry over. -->
  <xsl:template name="lom.sourceIds">
    <xsl:processing-instruction name="lomshift-ids">
      <xsl:for-each select="//*"><xsl:value-of select="concat(generate-id(), ' ')"/></xsl:for-each>
    </xsl:processing-instruction>
    <xsl:processing-instruction name="lomshift-vocabularies"><xsl:value-of select="$md.ns"/></xsl:processing-instruction>
  </xsl:template>
</xsl:stylesheet>
